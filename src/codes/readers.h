#pragma once
// The readers of the "Résis" tab as plain functions: from the indices of its
// lists (or the characters of the SMD marking) to what its labels show. No
// widgets: the tab reads its controls, calls these and writes what they return.

#include <QString>
#include <array>
#include <optional>

#include "codes/colours.h"
#include "codes/series.h"

namespace codes {

// The value line under the drawing: its points, its third place and its unit,
// read with a multiplier from two digits (four bands, SMD) or three (five bands).
struct ValueMarks {
    bool pointBeforeFirst, pointAfterFirst, pointAfterSecond;
    bool third;     // the third place is shown
    bool thirdZero; // and holds a "0" (two digits followed by a zero)
    QString unit;
};
ValueMarks valueMarks(const Multiplier& m, bool fiveBands);

// The SMD marking read from its three one-character fields: all of it when each
// holds a digit, else only the field that changed (-1: none). Digits are 0 to 9.
struct SmdReading {
    std::optional<int> first, second;
    const Multiplier* zeros = nullptr;
};
bool holdsDigit(const QString& field);
SmdReading readSmd(const std::array<QString, 3>& fields, int changed);

// The series lists' items ("E24", "E48", "E96"), by series::at's order.
QStringList seriesItems();

// The finder: its value from the indices of the digit lists (-1 for an empty
// list), the multiplier list and whether it uses two digits, with the
// neighbours in a series.
struct FinderValue {
    std::array<QString, 3> digits;      // as shown, after any shift
    std::optional<bool> point0, point1; // none: left as they are
    std::optional<QString> unit;
    std::optional<bool> third;           // the third digit shown; none: left as it is
    std::optional<QString> lower, upper; // the neighbours, written
    std::optional<bool> standard;        // none: no series chosen
};
FinderValue finderValue(int first, int second, int third, int multiplier, bool twoDigits,
                        std::optional<series::Series> s);

// The hand-over: what the finder's lists are set to for a resistance in ohms;
// none outside 0.1 ohm to 10 G ohms (not included), which leaves the finder as it is.
struct FinderPreset {
    bool twoDigits;
    int multiplier;            // index of the finder's multiplier list (0: x0.01)
    std::array<int, 3> digits; // digits[0] from 1 to 9
};
std::optional<FinderPreset> handoverPreset(double ohms);

} // namespace codes
