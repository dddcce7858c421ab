#include "codes/eia96.h"

#include <algorithm>
#include <span>

#include "codes/series.h"

namespace eia96 {

namespace {
struct Factor {
    char letter;
    int exponent;
};
// The written letter of each power of ten comes first.
constexpr Factor kFactors[] = {{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
                               {'B', 1},  {'H', 1},  {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};
} // namespace

std::optional<int> value(int code) {
    const std::span<const int> e96 = series::values(series::Series::E96);
    if (code < 1 || code > std::ssize(e96)) return std::nullopt;
    return e96[std::size_t(code - 1)];
}

std::optional<int> code(int value) {
    const std::span<const int> e96 = series::values(series::Series::E96);
    const auto it = std::ranges::lower_bound(e96, value);
    if (it == e96.end() || *it != value) return std::nullopt;
    return int(it - e96.begin()) + 1;
}

std::optional<int> exponent(char letter) {
    for (const Factor& f : kFactors)
        if (f.letter == letter) return f.exponent;
    return std::nullopt;
}

std::optional<char> letter(int exponent) {
    for (const Factor& f : kFactors)
        if (f.exponent == exponent) return f.letter;
    return std::nullopt;
}

} // namespace eia96
