#pragma once
// The calculators as plain functions: from the values their input fields hold
// to what each result field must show. No widgets.
//
// An empty value (std::nullopt) is a skipped step: its field keeps its text.
// A calculator that returns nothing at all stops before its first step (a zero
// current or gain). Where a later step reads a result as its field shows it,
// the function takes what that field showed before (`shownBefore`), which a
// skipped step leaves in place.

#include <optional>

#include "numbers/steps.h"

namespace calc {

// A result as its field shows it once written, read back in the same locale.
Num asShown(Num v);

// Ohm's law, U = R * I: each quantity from the two other inputs. The
// resistance is also the one handed over to the colour code.
struct Ohm {
    Num current, resistance, voltage;
};
std::optional<Ohm> ohm(Num u, Num i, Num r);

// Power: P = U * I (first is U) or P = R * I² (first is R, handed over).
struct Power {
    Num first, current, power;
};
std::optional<Power> powerUI(Num u, Num i, Num p);
std::optional<Power> powerRI(Num r, Num i, Num p);

// LEDs in series: the resistor, its power and whether the supply is too low
// (none when the resistance shown is no number). milliamps per LED.
struct LedSeries {
    Num resistance, power;
    std::optional<bool> error;
};
std::optional<LedSeries> ledSeries(Num supply, Num led, Num milliamps, Num count, Num shownBefore);

// LEDs in parallel: one resistor for all, in whole ohms; an error when it rounds to 0.
struct LedParallel {
    Num resistance;
    std::optional<bool> error;
};
std::optional<LedParallel> ledParallel(Num supply, Num led, Num milliamps, Num count,
                                       Num shownBefore);

// The zener's ideal series resistor and, in the E24 series, whether it lies
// outside what the proposals cover and the E24 value just below it.
struct ZenerIdeal {
    Num ideal;
    std::optional<bool> offLimit; // none: not in E24, or no number shown
    std::optional<int> proposal;  // only from just over 10 up to 1100 ohms
};
std::optional<ZenerIdeal> zenerIdeal(Num supply, Num zener, Num milliamps, Num shownBefore,
                                     bool e24);

// The current a chosen resistance lets through, and its lamp: green above the
// wanted current, yellow equal, red below. Nothing for a chosen 0 ohm.
enum class Lamp { Red, Yellow, Green };
struct ZenerRating {
    Num current;
    std::optional<Lamp> lamp;
};
std::optional<ZenerRating> zenerRating(Num supply, Num zener, Num wanted, double chosen,
                                       Num shownBefore);

// Transistor: base current (mA) and base resistor (kOhm) from Ic (mA), the
// gain and Ub, counting 0.6 V across base and emitter.
struct Transistor {
    Num base, resistance;
};
std::optional<Transistor> transistor(Num ic, Num gain, Num ub);

} // namespace calc
