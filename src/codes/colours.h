#pragma once
// The colour code of through-hole resistors as plain tables: each list of the
// "Résis" tab takes its items from one of them, and the meaning of an item
// (digit, band colour, power of ten, tolerance) is read by its index. No
// toolkit here.

#include <QStringList>

namespace codes {

struct Rgb {
    int r, g, b;
};

struct BandColour {
    const char* name;
    int digit;   // 0 to 9; -1 for the two metal colours
    Rgb rgb;     // the band's colour, unless themed
    bool themed; // "Noir": the palette's text colour while it is dark (theme::noir)
};

struct Tolerance {
    const BandColour* colour;
    const char* percent; // with a comma, whatever the locale: "0,25"
};

// The modes of the "Résis" tab, in the order of its mode list.
enum class Mode { Finder, FourBands, FiveBands, Smd, SixBands };
inline constexpr int kModeCount = int(Mode::SixBands) + 1;
QStringList modeItems();

// The digit band lists: the first band has no "Noir" (first = true).
QStringList digitItems(bool first);
const BandColour* digitAt(int index, bool first); // null outside the list

// The multiplier band list: "Argent", "Or", "Noir" ... "Blanc", ten to the
// power -2 to 9; the exponent of an item is its index plus kLowestExponent.
inline constexpr int kLowestExponent = -2;
QStringList multiplierItems();
const BandColour* multiplierAt(int index);
QStringList toleranceItems(); // "Argent", "Or", "Noir", "Marron", ...
const Tolerance* toleranceAt(int index);

// The sixth band of precision resistors: the temperature coefficient, in
// ppm/K (IEC 60062), its list "Noir" 250 to "Gris" 1.
struct TempCoefficient {
    const BandColour* colour;
    int ppm;
};
QStringList tempCoefficientItems();
const TempCoefficient* tempCoefficientAt(int index); // null outside the list

// The finder's lists: its multipliers ("x0.01" ... "x10M", the exponents from
// kLowestExponent on, as on the band list) and tolerances ("20%" ... "0.05%");
// the item of the tolerance band list that a finder tolerance stands for, by
// index; -1 outside the finder's nine items.
inline constexpr int kFinderHighestExponent = 7; // x10M
QStringList finderMultiplierItems();
QStringList finderToleranceItems();
int toleranceBandIndex(int finderIndex);

} // namespace codes
