#include "window/style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace kirel {

namespace {
constexpr qsizetype kMostPictures = 256; // a bound, far above what one window uses

// True when what is drawn at the painter's origin lands on whole device
// pixels, unscaled but for the device's own ratio: a copy is then exact.
bool copiesExactly(const QPainter* painter, qreal ratio) {
    const QTransform t = painter->deviceTransform();
    const auto whole = [](qreal v) { return std::abs(v - std::round(v)) < 1e-9; };
    return t.type() <= QTransform::TxScale && t.m11() == ratio && t.m22() == ratio &&
           whole(t.dx()) && whole(t.dy());
}
} // namespace

Style::Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    if (!option->rect.isEmpty() && option->palette.base().style() == Qt::SolidPattern &&
        copiesExactly(painter, ratio)) {
        if (element == PE_PanelLineEdit) {
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option))
                return drawCopied(element, *frame, frame->lineWidth, painter, widget);
        } else if (element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox) {
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
                return drawCopied(element, *button, 0, painter, widget);
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

template <class Option>
void Style::drawCopied(PrimitiveElement element, const Option& option, int lineWidth,
                       QPainter* painter, const QWidget* widget) const {
    const qreal ratio = painter->device()->devicePixelRatio();
    Key key{element,   option.rect.width(),    option.rect.height(),
            lineWidth, unsigned(option.state), ratio,
            {}};
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        if (role != QPalette::NoRole)
            key.colours[role] = option.palette.color(QPalette::ColorRole(role)).rgba();
    auto found = pictures_.constFind(key);
    if (found == pictures_.constEnd()) {
        QPixmap drawn(qCeil(option.rect.width() * ratio), qCeil(option.rect.height() * ratio));
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        Option atOrigin = option;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QPainter p(&drawn);
        QProxyStyle::drawPrimitive(element, &atOrigin, &p, widget);
        p.end();
        if (pictures_.size() >= kMostPictures) pictures_.clear();
        found = pictures_.insert(key, drawn);
    }
    painter->drawPixmap(option.rect.topLeft(), *found);
}

} // namespace kirel
