#include "window/style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace kirel {

namespace {
constexpr qsizetype kMostFrames = 256; // a bound, far above what one window uses

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
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty() ||
        option->palette.base().style() != Qt::SolidPattern || !copiesExactly(painter, ratio)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& pal = option->palette;
    const Key key{option->rect.width(),
                  option->rect.height(),
                  frame->lineWidth,
                  unsigned(option->state),
                  ratio,
                  pal.base().color().rgba(),
                  pal.window().color().rgba(),
                  pal.highlight().color().rgba()};
    auto found = frames_.constFind(key);
    if (found == frames_.constEnd()) {
        const QSize pixels(qCeil(option->rect.width() * ratio),
                           qCeil(option->rect.height() * ratio));
        QPixmap drawn(pixels);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QPainter p(&drawn);
        QProxyStyle::drawPrimitive(element, &atOrigin, &p, widget);
        p.end();
        if (frames_.size() >= kMostFrames) frames_.clear();
        found = frames_.insert(key, drawn);
    }
    painter->drawPixmap(option->rect.topLeft(), *found);
}

} // namespace kirel
