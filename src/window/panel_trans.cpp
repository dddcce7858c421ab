// Layout of the "Trans" tab: base current and base resistor of a transistor.

#include <QLabel>
#include <QLineEdit>

#include "window/base.h"
#include "window/build.h"

using namespace build;

namespace {
const Columns kRows{120, 600, 780, 720, 1560, 1200};
constexpr int row(int i) { return 600 + i * 360; }
} // namespace

void Base::buildTrans(QWidget* p) {
    Label25[58] = label(p, "Label25[58]", "Transistors", twRect(120, 120, 1500, 300),
                        titleLook());
    Label1[0] = label(p, "Label1[0]", "En test", twRect(4155, 120, 780, 300),
                      Look{0, false, false, {}, Qt::AlignRight | Qt::AlignVCenter});
    Picture7 = picture(p, "Picture7", ":/assets/transistor.svg", twRect(3540, 1980, 1305, 1590));
    fieldRows(p, kRows, {
        {row(0), K(Label25[63]), "Ic:", K(Text31), "1", false, K(Label25[64]), "mA"},
        {row(1), K(Label25[65]), "Gain:", K(Text32), "1", false, K(Label25[66]), "B ou He21"},
        {row(2), K(Label25[67]), "Ib:", K(Text33), "1", true, K(Label25[68]), "mA"},
        {row(3), K(Label25[69]), "Ub:", K(Text34), "1", false, K(Label25[70]), "Volts"},
        {row(4), K(Label25[71]), "R:", K(Text35), "1", true, K(Label25[72]), "k Ohm"},
    });
}
