#pragma once
// What a resistor's marking says, however it is read (colour bands, an SMD
// marking, the finder's lists, a resistance handed over) and however it is
// shown: its significant digits, the power of ten that multiplies them and its
// tolerance. Pure functions read each input into a Marking, and spell a
// Marking out for each thing that shows one: the bands' colours, the lists'
// items, the value lines, the tolerance line, the neighbours in a series.
// No widgets.

#include <QString>
#include <array>
#include <optional>

namespace codes {

struct BandColour; // codes/colours.h

// The significant digits a marking holds: three (five bands, the finder).
inline constexpr int kPlaces = 3;

struct Marking {
    // The significant digits, first to last; none where nothing was read (an
    // SMD marking typed in part). A number outside 0 to 9 is no digit: the
    // finder's lists give one while they have no item chosen.
    std::array<std::optional<int>, kPlaces> digits{};
    // How many of the digits the value is made of: 2 (four bands, SMD) or 3;
    // 1 for an SMD marking with R as the point that writes one ("R01").
    int count = 2;
    // The value is the digits times ten to this power, in ohms; none: not read.
    std::optional<int> exponent;
    // The row of the tolerance table (codes::toleranceAt); none: not read.
    std::optional<int> tolerance;
    // The row of the temperature coefficient table (codes::tempCoefficientAt),
    // read from a sixth band; none: not read.
    std::optional<int> tempCoefficient;
    bool operator==(const Marking&) const = default;
};

// ---- Reading an input ----

// An SMD field holds one digit, 0 to 9.
bool holdsDigit(const QString& field);

// The band lists, in the order of the drawing: five, and a sixth on
// precision resistors.
enum class Band { First, Second, Third, Multiplier, Tolerance, TempCoefficient };

// The item of one band list read into the marking (Third: the third digit,
// which a four-band code keeps without reading it); none for an index that is
// no item of the list.
std::optional<Marking> withBand(Marking m, Band band, int item);

// The SMD marking from its three one-character fields after a change of field
// `changed` (-1: none): every character when all three are digits, else the
// changed one only. Two digits; the third character is the exponent.
Marking fromSmd(const std::array<QString, 3>& fields, int changed);

// The finder's lists: the items of its digit lists ("1"-"9", then "0"-"9"),
// of its multiplier list ("x0.01" first) and whether it uses two digits. A
// list with no item (-1) gives the number its item would stand for.
Marking fromFinder(int first, int second, int third, int multiplier, bool twoDigits);

// A resistance handed over by a calculator, as the finder shows it: three
// significant digits from 1 ohm on, two below 100 ohms when the third is 0
// and always two below 1 ohm (a two-digit marking leaves the third place
// unread); further digits dropped. None outside 0.1 ohm to 10 G ohms (not
// included): the finder shows three digits times x10M at most.
std::optional<Marking> fromResistance(double ohms);

// What a reading leaves on a value line that showed `shown`: the digits and
// the exponent it gives replace those shown, the rest stays. With a new
// exponent the digit count is the reading's, and a place that the value needs
// after the digits (47 x10 reads 470) holds a 0.
Marking readOnto(Marking shown, const Marking& reading);

// The same code on the band lists: the digits that are items of each band list
// and the multiplier when it is one, a place that is no item none (the list
// shows no item, the band keeps its colour); the bands the code does not hold
// (tolerance, temperature coefficient) as they are drawn.
Marking asBands(const Marking& m, const Marking& drawn);

// ---- Showing it ----

// The colour a band wears; null when the band's list has no item for it.
const BandColour* bandColour(const Marking& m, Band band);
// The item each band list shows; -1 for none.
int bandItem(const Marking& m, Band band);

// The temperature coefficient line: "100 ppm/K"; none when not read.
std::optional<QString> tempCoefficientText(const Marking& m);

// The finder's lists for a marking; -1 where a list has no item for it. The
// third digit list is left alone (none) when the marking does not hold it.
struct FinderItems {
    int first, second;
    std::optional<int> third;
    int multiplier;
    bool twoDigits;
};
FinderItems finderItems(const Marking& m);

// How a value is written with `count` digits times ten to `exponent`: in
// ohms, k, M or G ohms (thousands 0 to 3) with the first digit at its power of
// ten within them (lead: 0 to 2; -1 for 0.ab), so that at most three places
// stand before the point; a place after the digits holds a zero (ab0).
struct Spelling {
    int thousands;
    int lead;
    int places;   // digit places shown, that zero included
    int point;    // places before the point: 0 before the first; -1 for none
    double scale; // from the digits as a whole number to the value in its unit
};
Spelling spell(int count, int exponent);

// The value line under the drawing: its three digit places, the point (before
// the first, after the first or after the second place) and the unit ("Ohms",
// "k Ohms", "M Ohms", "G Ohms"). A place not read is empty; without an
// exponent the line has no point and no unit. Below 0.1 ohm the point before
// the first place reads "0.0" or "0.00" (0.047, 0.001).
struct ValueLine {
    std::array<QString, kPlaces> digits;
    bool third;        // the third place shown
    int point;         // -1 none, 0 before the first place, 1, 2 after the first, second
    QString pointText; // "." once an exponent is read
    QString unit;
};
ValueLine valueLine(const Marking& m);

// The tolerance line's number ("5", "0,25"); none when not read.
std::optional<QString> toleranceText(const Marking& m);

// The tolerance a finder item stands for (the row of the tolerance table);
// none outside the finder's items.
std::optional<int> finderTolerance(int finderItem);

} // namespace codes
