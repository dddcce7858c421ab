#pragma once
// The EIA-96 code of 1 % SMD resistors: two digits, 01 to 96, name the E96
// value (01 = 100, 02 = 102, ... 96 = 976) and a letter multiplies it by a
// power of ten ("01C" is 100 x 100 = 10.0 k ohms). Plain C++, no toolkit.

#include <optional>

namespace eia96 {

// The E96 value, 100 to 976, that a code 1 to 96 names; none for another code.
std::optional<int> value(int code);
// The code, 1 to 96, of an E96 value 100 to 976; none for a value not in E96.
std::optional<int> code(int value);

// The power of ten a letter stands for, upper case: Z -3, Y and R -2, X and S
// -1, A 0, B and H 1, C 2, D 3, E 4, F 5; none for another character.
std::optional<int> exponent(char letter);
// The letter written for a power of ten, -3 to 5 (the first of each pair:
// Y, X, B); none outside.
std::optional<char> letter(int exponent);

} // namespace eia96
