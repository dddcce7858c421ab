// LEDs in series ("Led" tab, "Série"): the resistor that drops what the string
// leaves of the supply, and the power it dissipates. A negative resistance means
// the supply is too low for the string: the message and its bracket say so.

#include <QLineEdit>

#include "calc/steps.h"
#include "window/base.h"

using namespace calc;

void Base::rled() {
    // Text13: supply, Text14: one LED's voltage, Text15: current in mA, Text16: LED count.
    const auto resistance = [this] {
        const Num amps = leading(Text15) / 1000;
        return rounded((leading(Text13) - leading(Text14) * leading(Text16)) / amps, 1);
    };
    if (leading(Text15) == 0) return;
    write(Text17, resistance());
    // The power uses the resistance as shown, read back in the locale it was written in.
    const Num amps = leading(Text15) / 1000;
    write(Text18, rounded(amps * amps * inLocale(Text17), 2));
    if (const Num shown = inLocale(Text17)) showLedError(lbl_errvals, Linel, *shown < 0);
    write(valres, resistance());
    affres();
}
