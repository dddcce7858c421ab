#include "codes/colours.h"

#include <iterator>
#include <span>

namespace codes {

namespace {
constexpr BandColour kColours[] = {
    {"Noir", 0, {0, 0, 0}, true},           {"Marron", 1, {128, 64, 0}, false},
    {"Rouge", 2, {255, 0, 0}, false},       {"Orange", 3, {255, 128, 0}, false},
    {"Jaune", 4, {255, 255, 0}, false},     {"Vert", 5, {0, 255, 0}, false},
    {"Bleu", 6, {0, 0, 255}, false},        {"Violet", 7, {128, 0, 128}, false},
    {"Gris", 8, {128, 128, 128}, false},    {"Blanc", 9, {255, 255, 255}, false},
    {"Argent", -1, {224, 224, 224}, false}, {"Or", -1, {192, 192, 0}, false},
};
constexpr const BandColour* kNoir = &kColours[0];
constexpr const BandColour* kArgent = &kColours[10];
constexpr const BandColour* kOr = &kColours[11];
constexpr const BandColour* digit(int d) { return &kColours[d]; }

// In the order of the multiplier list: x0.01, x0.1, x1, x10 ... x1G.
constexpr const BandColour* kMultipliers[] = {kArgent,  kOr,      digit(0), digit(1),
                                              digit(2), digit(3), digit(4), digit(5),
                                              digit(6), digit(7), digit(8), digit(9)};
static_assert(std::size(kMultipliers) == 9 - kLowestExponent + 1);

constexpr Tolerance kTolerances[] = {
    {kArgent, "10"},   {kOr, "5"},         {kNoir, "20"},     {digit(1), "1"},    {digit(2), "2"},
    {digit(5), "0,5"}, {digit(6), "0,25"}, {digit(7), "0,1"}, {digit(8), "0,05"},
};

constexpr TempCoefficient kTempCoefficients[] = {
    {kNoir, 250},   {digit(1), 100}, {digit(2), 50}, {digit(3), 15}, {digit(4), 25},
    {digit(5), 20}, {digit(6), 10},  {digit(7), 5},  {digit(8), 1},
};

// The finder's tolerances and the index of their colour in the tolerance list.
constexpr struct {
    const char* name;
    int band;
} kFinderTolerances[] = {{"20%", 2},  {"10%", 0},   {"5%", 1},   {"2%", 4},   {"1%", 3},
                         {"0.5%", 5}, {"0.25%", 6}, {"0.1%", 7}, {"0.05%", 8}};

constexpr const char* kFinderMultipliers[] = {"x0.01", "x0.1", "x1",    "x10", "x100",
                                              "x1k",   "x10k", "x100k", "x1M", "x10M"};
static_assert(std::size(kFinderMultipliers) == kFinderHighestExponent - kLowestExponent + 1);
constexpr const char* kModes[] = {"Déterminer", "4 anneaux", "5 anneaux", "CMS/SMD", "6 anneaux"};
static_assert(std::size(kModes) == kModeCount);

template <class Row, std::size_t N>
const Row* at(const Row (&rows)[N], int index) {
    return index >= 0 && index < int(N) ? &rows[index] : nullptr;
}
template <class Range, class Name>
QStringList names(const Range& rows, Name name) {
    QStringList out;
    for (const auto& r : rows) out << QString::fromUtf8(name(r));
    return out;
}
} // namespace

QStringList modeItems() {
    return names(kModes, [](const char* n) { return n; });
}

QStringList digitItems(bool first) {
    return names(std::span(kColours + (first ? 1 : 0), kColours + 10),
                 [](const BandColour& c) { return c.name; });
}

const BandColour* digitAt(int index, bool first) {
    const int d = index + (first ? 1 : 0);
    return index >= 0 && d <= 9 ? &kColours[d] : nullptr;
}

QStringList multiplierItems() {
    return names(kMultipliers, [](const BandColour* c) { return c->name; });
}
const BandColour* multiplierAt(int index) {
    const auto* c = at(kMultipliers, index);
    return c ? *c : nullptr;
}

QStringList toleranceItems() {
    return names(kTolerances, [](const Tolerance& t) { return t.colour->name; });
}
const Tolerance* toleranceAt(int index) { return at(kTolerances, index); }

QStringList tempCoefficientItems() {
    return names(kTempCoefficients, [](const TempCoefficient& t) { return t.colour->name; });
}
const TempCoefficient* tempCoefficientAt(int index) { return at(kTempCoefficients, index); }

QStringList finderMultiplierItems() {
    return names(kFinderMultipliers, [](const char* n) { return n; });
}
QStringList finderToleranceItems() {
    return names(kFinderTolerances, [](const auto& t) { return t.name; });
}

int toleranceBandIndex(int finderIndex) {
    const auto* t = at(kFinderTolerances, finderIndex);
    return t ? t->band : -1;
}

} // namespace codes
