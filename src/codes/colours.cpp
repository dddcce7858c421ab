#include "codes/colours.h"

#include <QString>
#include <iterator>

namespace codes {

namespace {
constexpr BandColour kColours[] = {
    {"Noir", 0, {0, 0, 0}, true},          {"Marron", 1, {128, 64, 0}, false},
    {"Rouge", 2, {255, 0, 0}, false},      {"Orange", 3, {255, 128, 0}, false},
    {"Jaune", 4, {255, 255, 0}, false},    {"Vert", 5, {0, 255, 0}, false},
    {"Bleu", 6, {0, 0, 255}, false},       {"Violet", 7, {128, 0, 128}, false},
    {"Gris", 8, {128, 128, 128}, false},   {"Blanc", 9, {255, 255, 255}, false},
    {"Argent", -1, {224, 224, 224}, false}, {"Or", -1, {192, 192, 0}, false},
};

// In the order of the multiplier list: x0.01, x0.1, x1, x10 ... x1G.
// Two digits read .ab, a.b, ab or ab0; three digits a.bc, ab.c or abc.
constexpr Multiplier kMultipliers[] = {
    {"Argent", Point::BeforeFirst, false, "Ohms", Point::AfterFirst, "Ohms"},
    {"Or", Point::AfterFirst, false, "Ohms", Point::AfterSecond, "Ohms"},
    {"Noir", Point::None, false, "Ohms", Point::None, "Ohms"},
    {"Marron", Point::None, true, "Ohms", Point::AfterFirst, "k Ohms"},
    {"Rouge", Point::AfterFirst, false, "k Ohms", Point::AfterSecond, "k Ohms"},
    {"Orange", Point::None, false, "k Ohms", Point::None, "k Ohms"},
    {"Jaune", Point::None, true, "k Ohms", Point::AfterFirst, "M Ohms"},
    {"Vert", Point::AfterFirst, false, "M Ohms", Point::AfterSecond, "M Ohms"},
    {"Bleu", Point::None, false, "M Ohms", Point::None, "M Ohms"},
    {"Violet", Point::None, true, "M Ohms", Point::AfterFirst, "G Ohms"},
    {"Gris", Point::AfterFirst, false, "G Ohms", Point::AfterSecond, "G Ohms"},
    {"Blanc", Point::None, false, "G Ohms", Point::None, "G Ohms"},
};
constexpr int kFirstDigitMultiplier = 2; // "Noir"

constexpr Tolerance kTolerances[] = {
    {"Argent", "10"}, {"Or", "5"},     {"Noir", "20"},    {"Marron", "1"},   {"Rouge", "2"},
    {"Vert", "0,5"},  {"Bleu", "0,25"}, {"Violet", "0,1"}, {"Gris", "0,05"},
};

// Finder tolerances 20%, 10%, 5%, 2%, 1%, 0.5%, 0.25%, 0.1%, 0.05% and the
// index of their colour in the tolerance band list (Argent, Or, Noir, Marron,
// Rouge, Vert, Bleu, Violet, Gris).
constexpr int kFinderTolerance[] = {2, 0, 1, 4, 3, 5, 6, 7, 8};

template <class Row, std::size_t N> const Row* byName(const Row (&rows)[N], QStringView name) {
    for (const Row& r : rows)
        if (name == QLatin1String(r.name)) return &r;
    return nullptr;
}
} // namespace

const BandColour* bandColour(QStringView name) { return byName(kColours, name); }
const Multiplier* multiplier(QStringView name) { return byName(kMultipliers, name); }
const Tolerance* tolerance(QStringView name) { return byName(kTolerances, name); }

const Multiplier* smdMultiplier(int zeros) {
    if (zeros < 0 || zeros > 9) return nullptr;
    return &kMultipliers[kFirstDigitMultiplier + zeros];
}

int toleranceBandIndex(int finderIndex) {
    if (finderIndex < 0 || finderIndex >= int(std::size(kFinderTolerance))) return -1;
    return kFinderTolerance[finderIndex];
}

} // namespace codes
