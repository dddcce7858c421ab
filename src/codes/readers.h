#pragma once
// The finder of the "Résis" tab as plain functions: its row (digits, points,
// unit, neighbours in a series) spelled from a marking (codes/marking.h). No
// widgets: the tab reads its controls, calls these and writes what they return.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "codes/marking.h"
#include "codes/series.h"

namespace codes {

// A series list's items, by series::at's order: the zener's ("E24", "E48",
// "E96"), the finder's ("E6" to "E192").
QStringList seriesItems(series::List list);

// The finder's row for a marking of its lists (fromFinder), with the
// neighbours in a series. A point before the first digit is written "0."
// (0.47), and the unit of its largest multiplier, x10M, has a point:
// "G.Ohms" with three digits, "M.Ohms" with two.
struct FinderValue {
    std::array<QString, 3> digits;      // as shown, after any shift
    std::optional<bool> point0, point1; // none: left as they are
    std::optional<QString> unit;
    std::optional<bool> third;           // the third digit shown; none: left as it is
    std::optional<QString> lower, upper; // the neighbours, written
    std::optional<bool> standard;        // none: no series chosen
};
FinderValue finderLine(const Marking& m, std::optional<series::Series> s);

} // namespace codes
