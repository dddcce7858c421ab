// Power on the "Bases" tab, in its two modes: P = U * I (pui) and
// P = R * I² (pri). Only the second yields a resistance to hand over.

#include <QLineEdit>

#include "calc/steps.h"
#include "window/base.h"

using namespace calc;

void Base::pui() {
    // Text4: U, Text5: I, Text6: P.
    if (leading(Text4) == 0) return;
    if (leading(Text5) == 0) return;
    write(Text10, rounded(leading(Text6) / leading(Text5), 2)); // U = P / I
    write(Text8, rounded(leading(Text6) / leading(Text4), 2));  // I = P / U
    write(Text7, rounded(leading(Text4) * leading(Text5), 2));  // P = U * I
}

void Base::pri() {
    // Text4: R, Text5: I, Text6: P.
    const auto resistance = [this] {
        return leading(Text6) / (leading(Text5) * leading(Text5)); // R = P / I²
    };
    if (leading(Text4) == 0) return;
    if (leading(Text5) == 0) return;
    write(Text10, rounded(resistance(), 2));
    write(Text8, rounded(squareRoot(leading(Text6) / leading(Text4)), 2)); // I = sqrt(P / R)
    write(Text7, rounded(leading(Text5) * leading(Text5) * leading(Text4), 2)); // P = I² R
    write(valres, rounded(resistance(), 2));
    affres();
}
