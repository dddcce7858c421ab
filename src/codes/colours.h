#pragma once
// The colour code of through-hole resistors and the SMD marking, as plain
// tables: colour names and their digits and band colours, the multiplier band,
// the tolerance band. The band rules walk these tables; no toolkit here.

#include <QStringView>

namespace codes {

struct Rgb {
    int r, g, b;
};

struct BandColour {
    const char* name;
    int digit;  // 0 to 9; -1 for the two metal colours
    Rgb rgb;    // the band's colour, unless themed
    bool themed; // "Noir": the theme's window text (button text on the tolerance band)
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
    const char* name;
    Point point;
    bool zero;        // a "0" follows the two digits
    const char* unit; // "Ohms", "k Ohms", "M Ohms", "G Ohms"
    Point fivePoint;  // None, AfterFirst or AfterSecond
    const char* fiveUnit;
};

struct Tolerance {
    const char* name;
    const char* percent; // with a comma, whatever the locale: "0,25"
};

// Exact, case-sensitive lookups by colour name; null when no row has the name.
const BandColour* bandColour(QStringView name);
const Multiplier* multiplier(QStringView name);
const Tolerance* tolerance(QStringView name);

// The SMD marking's third digit counts the zeros: it reads like the multiplier
// band of the same digit ("Noir" for 0 ... "Blanc" for 9). Null outside 0 to 9.
const Multiplier* smdMultiplier(int zeros);

// The item of the tolerance band list that a finder tolerance ("20%", "10%",
// "5%", ...) stands for, by index; -1 outside the finder's nine items.
int toleranceBandIndex(int finderIndex);

} // namespace codes
