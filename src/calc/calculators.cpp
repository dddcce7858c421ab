#include "calc/calculators.h"

#include "codes/series.h"

namespace calc {

namespace {
// The proposals cover 10 ohms up to 1000 ohms; 1000 stands for (1000, 1100].
constexpr double kLowest = 10, kHighest = 1100;
constexpr double kBaseEmitter = 0.6; // volts

// The largest E24 value from 10 to 1000 ohms strictly below r, for kLowest < r <= kHighest.
int proposalBelow(double r) {
    int best = 10;
    for (int scale : {1, 10, 100})
        for (int e : series::values(series::Series::E24)) // 100 to 910: 10 to 91 ohms times scale
            if (const int v = e / 10 * scale; v <= 1000 && v < r) best = v;
    return best;
}
} // namespace

Num asShown(Num v) {
    if (!v) return std::nullopt;
    return numbers::localeNumber(numbers::writeNumber(*v));
}

std::optional<Ohm> ohm(Num u, Num i, Num r) {
    if (r == 0 || i == 0) return std::nullopt;
    return Ohm{rounded(u / r, 2), rounded(u / i, 2), rounded(i * r, 2)};
}

std::optional<Power> powerUI(Num u, Num i, Num p) {
    if (u == 0 || i == 0) return std::nullopt;
    return Power{rounded(p / i, 2), rounded(p / u, 2), rounded(u * i, 2)};
}

std::optional<Power> powerRI(Num r, Num i, Num p) {
    if (r == 0 || i == 0) return std::nullopt;
    return Power{rounded(p / (i * i), 2), rounded(squareRoot(p / r), 2), rounded(i * i * r, 2)};
}

std::optional<LedSeries> ledSeries(Num supply, Num led, Num milliamps, Num count, Num shownBefore) {
    if (milliamps == 0) return std::nullopt;
    const Num amps = milliamps / 1000;
    LedSeries out;
    out.resistance = rounded((supply - led * count) / amps, 1);
    // The power uses the resistance as shown.
    const Num shown = out.resistance ? asShown(out.resistance) : shownBefore;
    out.power = rounded(amps * amps * shown, 2);
    if (shown) out.error = *shown < 0;
    return out;
}

std::optional<LedParallel> ledParallel(Num supply, Num led, Num milliamps, Num count,
                                       Num shownBefore) {
    if (milliamps == 0 || count == 0) return std::nullopt;
    LedParallel out;
    out.resistance = rounded((supply - led) / (milliamps / 1000 * count), 0);
    const Num shown = out.resistance ? asShown(out.resistance) : shownBefore;
    if (shown) out.error = *shown == 0;
    return out;
}

std::optional<ZenerIdeal> zenerIdeal(Num supply, Num zener, Num milliamps, Num shownBefore,
                                     bool e24) {
    if (milliamps == 0) return std::nullopt;
    ZenerIdeal out;
    out.ideal = rounded((supply - zener) / (milliamps / 1000), 1);
    const Num x = out.ideal ? asShown(out.ideal) : shownBefore;
    if (!e24 || !x) return out;
    out.offLimit = *x < kLowest || *x > kHighest;
    if (!*out.offLimit && *x > kLowest) out.proposal = proposalBelow(*x);
    return out;
}

std::optional<ZenerRating> zenerRating(Num supply, Num zener, Num wanted, double chosen,
                                       Num shownBefore) {
    if (chosen == 0) return std::nullopt;
    ZenerRating out;
    out.current = rounded((supply - zener) / Num(chosen) * 1000, 3);
    const Num current = out.current ? asShown(out.current) : shownBefore;
    if (!current || !wanted) return out;
    out.lamp = *current > *wanted ? Lamp::Green : *current == *wanted ? Lamp::Yellow : Lamp::Red;
    return out;
}

std::optional<Transistor> transistor(Num ic, Num gain, Num ub) {
    if (gain == 0) return std::nullopt;
    const Num base = ic / gain;
    Transistor out{rounded(base, 3), std::nullopt};
    // The resistor uses the exact base current: the one shown is rounded to 3
    // decimals, which is far off (or 0) for small currents.
    if (base && *base != 0) out.resistance = rounded((ub - kBaseEmitter) / base, 2); // kOhm
    return out;
}

} // namespace calc
