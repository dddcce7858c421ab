// The "Trans" tab: the base current from the collector current and the gain,
// then the resistor that drives it from Ub. Nothing is handed to "Résis".

#include "tabs/trans.h"

#include <QLabel>
#include <QLineEdit>

#include "calc/calculators.h"
#include "kit/build.h"
#include "kit/controls.h"
#include "kit/panelkit.h"

using namespace build;

namespace {
const Columns kRows{120, 600, 780, 720, 1560, 1200};
constexpr int row(int i) { return 600 + i * 360; }
} // namespace

TransTab::TransTab(QWidget* p) {
    Label25[58] = label(p, "Label25[58]", "Transistors", twRect(120, 120, 1500, 300), titleLook());
    Label1[0] = label(p, "Label1[0]", "En test", twRect(4155, 120, 780, 300),
                      Look{0, false, false, {}, Qt::AlignRight | Qt::AlignVCenter});
    Picture7 = picture(p, "Picture7", ":/assets/transistor.svg", twRect(3540, 1980, 1305, 1590));
    fieldRows(
        p, kRows,
        {
            {row(0), K(Label25[63]), "Ic:", K(Text31), "1", false, K(Label25[64]), "mA"},
            {row(1), K(Label25[65]), "Gain:", K(Text32), "1", false, K(Label25[66]), "B ou He21"},
            {row(2), K(Label25[67]), "Ib:", K(Text33), "1", true, K(Label25[68]), "mA"},
            {row(3), K(Label25[69]), "Ub:", K(Text34), "1", false, K(Label25[70]), "Volts"},
            {row(4), K(Label25[71]), "R:", K(Text35), "1", true, K(Label25[72]), "k Ohm"},
        });
    for (QLineEdit* f : {Text31, Text32, Text34}) kit::numericField(f, this, [this] { trans(); });
}

void TransTab::start(int maxLength) {
    for (QLineEdit* f : {Text31, Text34, Text32}) f->setMaxLength(maxLength);
}

QList<QWidget*> TransTab::focusChain() const { return {Text31, Text32, Text34}; }

void TransTab::trans() {
    using kit::leading;
    const auto out = calc::transistor(leading(Text31), leading(Text32), leading(Text34));
    if (!out) return;
    kit::write(Text33, out->base);
    kit::write(Text35, out->resistance);
}
