#pragma once
// What every calculator is made of: steps that compute one value each.
//
// A value is a numbers::Num. It becomes empty as soon as its step fails: an
// operation whose result is not finite (an overflow, 0/0, a division by 0, the
// square root of a negative number) or a text that does not convert. Writing
// an empty value changes nothing, so the field keeps its former text and the
// calculator simply goes on with its next step. The arithmetic below carries
// this through a whole formula; bring it into scope with `using namespace calc;`.

#include "numbers/numbers.h"

namespace calc {

using numbers::Num;

Num operator-(Num a, Num b);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num squareRoot(Num a);

// Rounds to n decimals (halves to even); empty stays empty.
inline Num rounded(Num v, int decimals) { return numbers::roundTo(v, decimals); }

} // namespace calc
