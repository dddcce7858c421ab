#pragma once
// The window's style: Fusion, with the frame of a text field drawn once per
// look and then copied. Fusion strokes each frame anew, rounded and
// antialiased, at every repaint, and a keystroke repaints the field typed into
// and every result it changes; copying a drawn frame costs a small part of
// that. What is copied is Fusion's own drawing (where its translucent lines
// cross, one level of colour may differ); off whole device pixels, where a copy
// would not land exactly, Fusion draws as it always does. The outlines of
// fields, lists, check boxes and option buttons are darkened on a light panel
// and lightened on a dark one until they stand out from it.

#include <QHash>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <array>

namespace kirel {

// Fusion draws the outlines of fields, lists, check boxes and option buttons
// a shade darker than the window colour they stand on: about 2:1 on white, and
// on a dark window they nearly vanish. The palette Fusion is given instead has
// another window colour, of the same hue, whose outline just stands out from
// the panel at 3:1 (darker on a light panel, lighter on a dark one).
QPalette outlinedPalette(const QPalette& palette);

class Style : public QProxyStyle {
public:
    Style(); // Fusion underneath

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

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
