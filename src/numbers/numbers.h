#pragma once
// The number rules of every field: which texts are numbers, how a text is read
// and how a number is written back. Plain QtCore (QString, QLocale); no widgets.

#include <QLocale>
#include <QString>
#include <optional>

namespace numbers {

// A step's result: empty when the step failed (overflow, 0/0, square root of a
// negative number, a text that does not convert). A failed step writes nothing.
using Num = std::optional<double>;

// Empty for NaN and infinities, the value otherwise.
Num finite(double v);

// Numeric test: the locale reading below accepts the whole text (blanks around
// it, sign, decimal and group separators, exponent). "", "-", ".", "abc", "12a"
// and overflowing texts such as "1e999" are not numeric.
bool isNumeric(const QString& text, const QLocale& locale = QLocale());

// Leading-number reading: skips leading blanks, then reads an optional sign,
// digits, an optional decimal point and digits, and an optional exponent (E or
// e, optional sign, digits); stops at the first other character. The decimal
// point is "." or the locale's own separator: "2,5" reads 2.5 in French and 2 in
// English. Group separators end the number. A text not starting with a number
// reads 0. May return an infinity for texts such as "9e999". The C library's
// locale plays no part.
double leadingNumber(const QString& text, const QLocale& locale = QLocale());

// Locale reading: the whole text by the locale; empty on a conversion error.
// A number is typed as it is written: the group separators that stand in its
// integer part after the first digit are left out wherever they stand ("1 0"
// reads 10 in French, "1.0" in German, "1,0" in English), and where the
// locale's separator is a blank every blank is one (U+0020, U+00A0, U+2009,
// U+202F). A separator before the first digit or in the decimals makes no number.
Num localeNumber(const QString& text, const QLocale& locale = QLocale());

// What a "." typed or pasted into a numeric field stands for: the locale's
// decimal comma where the point means nothing else (French), else the point
// itself (the German group separator, the English decimal point).
QString pointMeans(const QLocale& locale = QLocale());

// What a field holds: a text the numeric test accepts is the number the locale
// conversion gives (group separators, any blank, U+2212, the locale's digits);
// any other text is read by the leading-number reading. The two agree on texts
// of ASCII digits, sign, decimal separator and exponent.
double fieldNumber(const QString& text, const QLocale& locale = QLocale());

// Writing rule: at most 15 significant digits, no trailing zeros, no group
// separator, the locale's decimal separator; exponent form ("1E+15", "1E-05",
// "-1.5E+20") for magnitudes of 1E15 and above and below 1E-4 (not 0).
// Negative zero is written "0". v must be finite.
QString writeNumber(double v, const QLocale& locale = QLocale());

// Rounding to n decimals: v * 10^n rounded to the nearest integer, exact halves
// to the even one, then divided by 10^n. 0.125 -> 0.12, 0.375 -> 0.38, 2.5 -> 2.
// Not finite when v * 10^n overflows.
double roundTo(double v, int decimals);

// Num versions that propagate a failed step.
Num roundTo(Num v, int decimals);

} // namespace numbers
