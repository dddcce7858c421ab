#pragma once
// The colour code of through-hole resistors and the SMD marking, as plain
// tables: each list of the "Résis" tab takes its items from one of them, and
// its rules read the meaning (digit, band colour, multiplier, tolerance) of
// the item by its index. No toolkit here.

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

// Where the value line puts its point.
enum class Point {
    None,
    BeforeFirst, // .d1d2
    AfterFirst,  // d1.d2
    AfterSecond, // d1d2.d3 (five bands only)
};

// A multiplier band: how the value line reads d1 and d2 with it, and d1 d2 d3
// on a five-band resistor.
struct Multiplier {
    const BandColour* colour;
    Point point;
    bool zero;        // a "0" follows the two digits
    const char* unit; // "Ohms", "k Ohms", "M Ohms", "G Ohms"
    Point fivePoint;  // None, AfterFirst or AfterSecond
    const char* fiveUnit;
};

struct Tolerance {
    const BandColour* colour;
    const char* percent; // with a comma, whatever the locale: "0,25"
};

// The modes of the "Résis" tab, in the order of its mode list.
enum class Mode { Finder, FourBands, FiveBands, Smd };
QStringList modeItems();

// The digit band lists: the first band has no "Noir" (first = true).
QStringList digitItems(bool first);
const BandColour* digitAt(int index, bool first); // null outside the list

QStringList multiplierItems(); // "Argent", "Or", "Noir" ... "Blanc": x0.01 to x1G
const Multiplier* multiplierAt(int index);
QStringList toleranceItems(); // "Argent", "Or", "Noir", "Marron", ...
const Tolerance* toleranceAt(int index);

// The SMD marking's third digit counts the zeros: it reads like the multiplier
// band of the same digit ("Noir" for 0 ... "Blanc" for 9). Null outside 0 to 9.
const Multiplier* smdMultiplier(int zeros);

// The finder's lists: its multipliers ("x0.01" ... "x10M") and tolerances
// ("20%" ... "0.05%"); the item of the tolerance band list that a finder
// tolerance stands for, by index; -1 outside the finder's nine items.
QStringList finderMultiplierItems();
QStringList finderToleranceItems();
int toleranceBandIndex(int finderIndex);

} // namespace codes
