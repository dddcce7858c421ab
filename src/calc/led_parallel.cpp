// LEDs in parallel ("Led" tab, "Parallèle"): the one resistor feeding N LEDs
// side by side, in whole ohms. When so many LEDs share the supply that the
// resistance rounds to 0 ohm, the message and its bracket say so.

#include <QLineEdit>

#include "calc/steps.h"
#include "window/base.h"

using namespace calc;

void Base::rledd() {
    // Text21: supply, Text22: one LED's voltage, Text23: current per LED in mA, Text24: count.
    const auto resistance = [this] {
        const Num amps = leading(Text23) / 1000 * leading(Text24);
        return rounded((leading(Text21) - leading(Text22)) / amps, 0);
    };
    if (leading(Text23) == 0) return;
    if (leading(Text24) == 0) return;
    write(Text20, resistance());
    if (const Num shown = inLocale(Text20)) showLedError(lbl_errvalp, Linelp, *shown == 0);
    write(valres, resistance());
    affres();
}
