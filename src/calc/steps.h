#pragma once
// What every calculator is made of: steps that read fields, compute one value
// and write it into one field.
//
// A value is a numbers::Num. It becomes empty as soon as its step fails: an
// operation whose result is not finite (an overflow, 0/0, a division by 0, the
// square root of a negative number) or a text that does not convert. Writing
// an empty value changes nothing, so the field keeps its former text and the
// calculator simply goes on with its next step. The arithmetic below carries
// this through a whole formula; bring it into scope with `using namespace calc;`.

#include <QString>
#include <array>

#include "window/numbers.h"

class NoteLabel;
class QLabel;
class QLineEdit;
class Segment;

namespace calc {

using numbers::Num;

// What the user typed: the locale's number when the field's whole text is one,
// else the leading-number reading ("." or the locale's decimal separator is the
// point; any other character ends the number).
Num leading(const QLineEdit* field);
// The locale reading of a field (what the program wrote into it, or a value
// read with the locale); empty when the text is no number.
Num inLocale(const QLineEdit* field);

Num operator+(Num a, Num b);
Num operator-(Num a, Num b);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num squareRoot(Num a);

// Rounds to n decimals (halves to even); empty stays empty.
inline Num rounded(Num v, int decimals) { return numbers::roundTo(v, decimals); }

// Write a present value by the writing rule; an empty one writes nothing.
void write(QLineEdit* field, Num v);
void write(NoteLabel* note, Num v);
void write(QString& text, Num v);

// A field whose text is no number becomes "1", selected with the caret at its
// end, so that the next key replaces it. Setting the text runs the field's
// handler again, with 1.
void repairToOne(QLineEdit* field);

// The LED panels' error: the message and the red bracket tying it to the
// resistance, shown or cleared together.
void showLedError(QLabel* message, const std::array<Segment*, 3>& bracket, bool on);

} // namespace calc
