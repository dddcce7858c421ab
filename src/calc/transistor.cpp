// Transistor base resistor ("Trans" tab): the base current from the collector
// current and the gain, then the resistor that drives it from Ub, counting a
// base-emitter drop of 0.6 V. Nothing is handed to the "Résis" tab.

#include <QLineEdit>

#include "calc/steps.h"
#include "window/base.h"

using namespace calc;

namespace {
constexpr double kBaseEmitter = 0.6; // volts
}

void Base::trans() {
    // Text31: Ic in mA, Text32: gain, Text34: Ub in volts; Text33: Ib in mA, Text35: R in kOhm.
    if (leading(Text32) == 0) return;
    const Num base = leading(Text31) / leading(Text32);
    write(Text33, rounded(base, 3));
    // The resistor uses the exact base current: the one shown is rounded to 3
    // decimals, which is far off (or 0) for small currents.
    if (!base || *base == 0) return;
    write(Text35, rounded((leading(Text34) - kBaseEmitter) / base, 2)); // V / mA = kOhm
}
