#pragma once
// The window's style: Fusion, with the small pictures that many controls share
// drawn once per look and then copied: the frame of a text field, the circle
// of an option button, the box of a check box. Fusion strokes them anew,
// antialiased, at every repaint, and a keystroke repaints the field typed into
// and every result it changes; copying a drawn picture costs a small part of
// that. What is copied is Fusion's own drawing (where its translucent lines
// cross, one level of colour may differ); off whole device pixels, where a copy
// would not land exactly, Fusion draws as it always does.

#include <QHash>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <array>

namespace kirel {

class Style : public QProxyStyle {
public:
    Style(); // Fusion underneath

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Pictures drawn so far (one per element, size, state and colours in use).
    qsizetype cachedPictures() const { return pictures_.size(); }

private:
    struct Key {
        PrimitiveElement element;
        int width, height, lineWidth;
        unsigned state;
        qreal ratio;
        std::array<QRgb, QPalette::NColorRoles> colours;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& k, size_t seed) noexcept {
        seed = qHashMulti(seed, int(k.element), k.width, k.height, k.lineWidth, k.state, k.ratio);
        return qHashRange(k.colours.begin(), k.colours.end(), seed);
    }
    template <class Option>
    void drawCopied(PrimitiveElement element, const Option& option, int lineWidth,
                    QPainter* painter, const QWidget* widget) const;

    mutable QHash<Key, QPixmap> pictures_;
};

} // namespace kirel
