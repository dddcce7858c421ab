#pragma once
// The SMD markings a value can be printed with: three characters (two digits
// and the number of zeros, "472"), four (three digits and the number of zeros,
// "4701"), each with "R" as the decimal point below 10 or 100 ohms ("4R7",
// "47R5"), and the EIA-96 code of a 1 % part ("66B"). No widgets.

#include <QString>

#include "codes/marking.h"

namespace codes {

// The markings of `digits` times ten to `exponent` ohms, separated by " / ":
// the three-character one when the value has at most two significant digits,
// the four-character one when it has at most three, and the EIA-96 one when
// its three digits are an E96 value and the code has a letter for its power of
// ten. Only the value counts (47 x100 and 470 x10 give the same). Empty for no
// value above 0.
QString smdMarkings(long long digits, int exponent);
// The same for a marking's value; empty while a digit or the exponent is not read.
QString smdMarkings(const Marking& m);

} // namespace codes
