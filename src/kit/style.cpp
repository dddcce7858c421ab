#include "kit/style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

#include "kit/theme.h"

namespace kirel {

namespace {
constexpr qsizetype kMostFrames = 256;  // a bound, far above what one window uses
constexpr qsizetype kMostPalettes = 64; // the same for the palettes of its controls

// True when what is drawn at the painter's origin lands on whole device
// pixels, unscaled but for the device's own ratio: a copy is then exact.
bool copiesExactly(const QPainter* painter, qreal ratio) {
    const QTransform t = painter->deviceTransform();
    const auto whole = [](qreal v) { return std::abs(v - std::round(v)) < 1e-9; };
    return t.type() <= QTransform::TxScale && t.m11() == ratio && t.m22() == ratio &&
           whole(t.dx()) && whole(t.dy());
}
template <class Option>
Option outlined(const Option& option) {
    Option seen = option;
    seen.palette = outlinedPalette(option.palette);
    return seen;
}

} // namespace

QPalette outlinedPalette(const QPalette& palette) {
    // Asked at every frame painted: each palette's answer is kept.
    static QHash<qint64, QPalette> given;
    if (auto found = given.constFind(palette.cacheKey()); found != given.constEnd()) return *found;
    const QColor panel = palette.color(QPalette::Window);
    // The option buttons' outline, the darkest, is antialiased: a margin over 3:1.
    const QColor outline = panel.darker(150);
    QPalette seen = palette;
    if (theme::contrast(outline, panel) < 3)
        seen.setColor(QPalette::Window, theme::readable(outline, panel, 3.6).lighter(150));
    if (given.size() >= kMostPalettes) given.clear();
    return given.insert(palette.cacheKey(), seen).value();
}

Style::Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    if (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton)
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            const QStyleOptionButton seen = outlined(*button);
            return QProxyStyle::drawPrimitive(element, &seen, painter, widget);
        }
    const auto* frame =
        element == PE_PanelLineEdit ? qstyleoption_cast<const QStyleOptionFrame*>(option) : nullptr;
    if (!frame) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const QStyleOptionFrame seen = outlined(*frame);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    if (!seen.rect.isEmpty() && seen.palette.base().style() == Qt::SolidPattern &&
        copiesExactly(painter, ratio))
        return drawCopied(seen, ratio, painter, widget);
    QProxyStyle::drawPrimitive(element, &seen, painter, widget);
}

void Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                               QPainter* painter, const QWidget* widget) const {
    if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
        const QStyleOptionComboBox seen = outlined(*list);
        return QProxyStyle::drawComplexControl(control, &seen, painter, widget);
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void Style::drawCopied(const QStyleOptionFrame& option, qreal ratio, QPainter* painter,
                       const QWidget* widget) const {
    Key key{option.rect.width(),
            option.rect.height(),
            option.lineWidth,
            unsigned(option.state),
            ratio,
            {}};
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        if (role != QPalette::NoRole)
            key.colours[role] = option.palette.color(QPalette::ColorRole(role)).rgba();
    auto found = frames_.constFind(key);
    if (found == frames_.constEnd()) {
        QPixmap drawn(qCeil(option.rect.width() * ratio), qCeil(option.rect.height() * ratio));
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = option;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QPainter p(&drawn);
        QProxyStyle::drawPrimitive(PE_PanelLineEdit, &atOrigin, &p, widget);
        p.end();
        if (frames_.size() >= kMostFrames) frames_.clear();
        found = frames_.insert(key, drawn);
    }
    painter->drawPixmap(option.rect.topLeft(), *found);
}

} // namespace kirel
