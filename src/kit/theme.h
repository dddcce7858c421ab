#pragma once
// The window's colours on the desktop's palette. The design chose its colours
// for a white window: on Qt's standard light palette they are drawn as chosen;
// on any other (dark, high contrast, a desktop's own) the colours that say
// something (green results, blue formulas, red messages, greyed lists) are
// lightened or darkened in their own hue until they read well against what is
// behind them, the drawings' black lines take the palette's text colour, and
// the colours of things drawn (bands, lamps, the chip) keep their RGB. The
// window follows the palette when the desktop changes it.

#include <QColor>

class QWidget;

namespace theme {

// Relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21), as the
// web's accessibility guidelines define them.
double luminance(const QColor& c);
double contrast(const QColor& a, const QColor& b);
// A colour that reads better on white than on black.
bool isDark(const QColor& c);
// The colour itself where it has `ratio` against the background; otherwise,
// same hue, lightened on a dark background and darkened on a light one, just
// until it has it.
QColor readable(const QColor& colour, const QColor& background, double ratio = 4.5);

// The colours of the application palette, worked out once for each palette.
QColor background(); // panels, labels and fields: the palette's base colour
QColor windowText();
QColor buttonText();
QColor scrollBar(); // greyed (locked) lists: the palette's mid colour, at 3:1 on the base
QColor ink();       // the drawings' lines and symbols: the text colour, at 3:1
// A "Noir" band: the palette's text colour while it is dark, black otherwise.
QColor noir(bool toleranceBand);

// A text colour of the design, kept with the control and shown readable on the
// current palette (nothing is done when it is already shown).
void setTextColour(QWidget* w, const QColor& design);
// A list greyed, or back in the palette's own text colour.
void setGreyed(QWidget* w, bool greyed);
bool isGreyed(const QWidget* w);

// The window's panels and labels stand on the palette's base colour, the
// captions in its text colour (as in a field, whatever the window colours),
// and its design colours are worked out again whenever the application palette
// changes.
void followPalette(QWidget* window);

} // namespace theme
