#pragma once
// The standard value series E6 to E192 (IEC 60063) over one decade, the two
// lists that offer them, and the neighbour lookup of the colour-code finder.
// Plain C++, no toolkit.
//
// Each table holds the series' values times 100, as whole numbers from 100 to
// below 1000, so that membership is an exact integer comparison.

#include <optional>
#include <span>

namespace series {

enum class Series { E6, E12, E24, E48, E96, E192 };

// The lists that offer series: the zener's (E24, E48, E96) and the finder's
// (E6 to E192). Each list's items come from its row, in its order.
enum class List { Zener, Finder };
std::span<const Series> listed(List list);
// The series' name as its list shows it: "E24".
const char* name(Series s);

// The series at this index of a list; none for any other index (an empty
// list gives -1).
std::optional<Series> at(List list, int index);

// The decade's values in increasing order: 100 ... 910 for E24.
std::span<const int> values(Series s);

// The last value of the decade below (68 for E6, 91 for E24, 98.8 for E192).
double lowerEdge(Series s);
// The first value of the decade above.
inline constexpr double kUpperEdge = 1000;

struct Neighbours {
    double lower;  // the series value below v (the one before v when v belongs to it)
    double upper;  // the series value above v
    bool standard; // v is itself a value of the series
};

// The neighbours of a whole number v from 100 to 999 in the series; none for
// v below 100 or above 999.
std::optional<Neighbours> voisstd(Series s, int v);

} // namespace series
