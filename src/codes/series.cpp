#include "codes/series.h"

#include <algorithm>
#include <array>

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

// IEC 60063's table, which keeps one value off the rounded formula: 920, not 919.
constexpr int kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// Every n-th value of a table, from its first: E6 and E12 out of E24, E96 out of E192.
template <std::size_t N, std::size_t Step>
constexpr std::array<int, N / Step> every(const int (&table)[N]) {
    std::array<int, N / Step> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = table[i * Step];
    return out;
}
constexpr auto kE6 = every<24, 4>(kE24);
constexpr auto kE12 = every<24, 2>(kE24);

static_assert(std::size(kE24) == 24 && std::size(kE48) == 48 && std::size(kE96) == 96 &&
              std::size(kE192) == 192);
static_assert(std::ranges::is_sorted(kE24) && std::ranges::is_sorted(kE48) &&
              std::ranges::is_sorted(kE96) && std::ranges::is_sorted(kE192));
static_assert(kE6 == std::array{100, 150, 220, 330, 470, 680});
static_assert(kE12 == std::array{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820});
// Each series holds the one of half its values.
static_assert(std::ranges::equal(every<192, 2>(kE192), kE96) &&
              std::ranges::equal(every<96, 2>(kE96), kE48));

constexpr Series kZener[] = {Series::E24, Series::E48, Series::E96};
constexpr Series kFinder[] = {Series::E6,  Series::E12, Series::E24,
                              Series::E48, Series::E96, Series::E192};
} // namespace

std::span<const Series> listed(List list) {
    if (list == List::Zener) return kZener;
    return kFinder;
}

const char* name(Series s) {
    switch (s) {
    case Series::E6: return "E6";
    case Series::E12: return "E12";
    case Series::E24: return "E24";
    case Series::E48: return "E48";
    case Series::E96: return "E96";
    case Series::E192: return "E192";
    }
    return "";
}

std::optional<Series> at(List list, int index) {
    const std::span<const Series> items = listed(list);
    if (index < 0 || index >= std::ssize(items)) return std::nullopt;
    return items[std::size_t(index)];
}

std::span<const int> values(Series s) {
    switch (s) {
    case Series::E6: return kE6;
    case Series::E12: return kE12;
    case Series::E24: return kE24;
    case Series::E48: return kE48;
    case Series::E96: return kE96;
    case Series::E192: return kE192;
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
