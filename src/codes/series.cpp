#include "codes/series.h"

#include <algorithm>

namespace series {

namespace {
constexpr int kE24[] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                        330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

constexpr int kE48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                        178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                        316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                        562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

constexpr int kE96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                        140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                        196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                        274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                        383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                        536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                        750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

static_assert(std::size(kE24) == 24 && std::size(kE48) == 48 && std::size(kE96) == 96);
static_assert(std::ranges::is_sorted(kE24) && std::ranges::is_sorted(kE48) &&
              std::ranges::is_sorted(kE96));
} // namespace

std::optional<Series> at(int index) {
    switch (index) {
    case 0: return Series::E24;
    case 1: return Series::E48;
    case 2: return Series::E96;
    default: return std::nullopt;
    }
}

std::span<const int> values(Series s) {
    switch (s) {
    case Series::E24: return kE24;
    case Series::E48: return kE48;
    case Series::E96: return kE96;
    }
    return {};
}

double lowerEdge(Series s) { return values(s).back() / 10.0; }

std::optional<Neighbours> voisstd(Series s, int v) {
    if (v < 100 || v > 999) return std::nullopt;
    const std::span<const int> table = values(s);
    // The first value not below v: v itself when it belongs to the series.
    const auto it = std::ranges::lower_bound(table, v);
    const auto valueAt = [&](std::ptrdiff_t i) {
        if (i < 0) return lowerEdge(s);
        if (i >= std::ssize(table)) return kUpperEdge;
        return double(table[std::size_t(i)]);
    };
    const std::ptrdiff_t i = it - table.begin();
    if (it != table.end() && *it == v) return Neighbours{valueAt(i - 1), valueAt(i + 1), true};
    return Neighbours{valueAt(i - 1), valueAt(i), false};
}

} // namespace series
