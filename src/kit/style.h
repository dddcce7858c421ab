#pragma once
// The window's style: Fusion, with the frame of a text field drawn once per
// look and then copied. Fusion strokes each frame anew, rounded and
// antialiased, at every repaint, and a keystroke repaints the field typed into
// and every result it changes; copying a drawn frame costs a small part of
// that. What is copied is Fusion's own drawing (where its translucent lines
// cross, one level of colour may differ); off whole device pixels, where a copy
// would not land exactly, Fusion draws as it always does. On a dark window the
// outlines of fields, check boxes and option buttons are lightened until
// they stand out.

#include <QHash>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <array>

namespace kirel {

class Style : public QProxyStyle {
public:
    Style(); // Fusion underneath

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Frames drawn so far (one per size, state and colours in use).
    qsizetype cachedFrames() const { return frames_.size(); }

private:
    struct Key {
        int width, height, lineWidth;
        unsigned state;
        qreal ratio;
        std::array<QRgb, QPalette::NColorRoles> colours;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& k, size_t seed) noexcept {
        seed = qHashMulti(seed, k.width, k.height, k.lineWidth, k.state, k.ratio);
        return qHashRange(k.colours.begin(), k.colours.end(), seed);
    }
    void drawCopied(const QStyleOptionFrame& option, qreal ratio, QPainter* painter,
                    const QWidget* widget) const;

    mutable QHash<Key, QPixmap> frames_;
};

} // namespace kirel
