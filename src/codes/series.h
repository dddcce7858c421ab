#pragma once
// The standard value series E24, E48 and E96 (IEC 60063) over one decade, and
// the neighbour lookup of the colour-code finder. Plain C++, no toolkit.
//
// Each table holds the series' values times 100, as whole numbers from 100 to
// below 1000, so that membership is an exact integer comparison.

#include <optional>
#include <span>

namespace series {

enum class Series { E24, E48, E96 };

// The series at this index of a series list ("E24", "E48", "E96"); none for
// any other index (an empty list gives -1).
std::optional<Series> at(int index);

// The decade's values in increasing order: 100 ... 910 for E24.
std::span<const int> values(Series s);

// The last value of the decade below (91 for E24, 95.3 for E48, 97.6 for E96).
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
