// Ohm's law on the "Bases" tab: each output row shows its quantity computed
// from the two other inputs, U = R * I.

#include <QLineEdit>

#include "calc/steps.h"
#include "window/base.h"

using namespace calc;

void Base::uri() {
    // Text1: U, Text2: I, Text3: R (volts, amperes, ohms).
    if (leading(Text3) == 0) return;
    if (leading(Text2) == 0) return;
    write(Text12, rounded(leading(Text1) / leading(Text3), 2));   // I = U / R
    write(Text11, rounded(leading(Text1) / leading(Text2), 2));   // R = U / I
    write(Text9, rounded(leading(Text2) * leading(Text3), 2));    // U = I * R
    write(valres, rounded(leading(Text1) / leading(Text2), 2)); // the resistance Text11 shows
    affres();
}
