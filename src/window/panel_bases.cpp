// Layout of the "Bases" tab: Ohm's law above, power below, the decimal
// separator choice at the top.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "window/base.h"
#include "window/build.h"

using namespace build;

namespace {
// Input block then output block, twips.
const Columns kIn{1020, 270, 1290, 690, 2040, 750, outputGreenBases};
const Columns kOut{0, 0, 2850, 870, 3780, 780, outputGreenBases};
constexpr int kOhmTop = 600, kPowerTop = 2040, kPitch = 360;
const QColor kFormulaBlue{0, 0, 192};
} // namespace

void Base::buildBases(QWidget* p) {
    Label25[45] = label(p, "Label25[45]", "Bases", twRect(120, 120, 900, 300), titleLook());

    Pointvirg = panel(p, "Pointvirg", twRect(2280, 90, 2700, 300));
    Label12 = label(Pointvirg, "Label12", QString::fromUtf8("Décimale:"), twRect(0, 0, 840, 300));
    Option2[0] = option(Pointvirg, "Option2[0]", "Point", twRect(900, 0, 780, 300));
    Option2[1] = option(Pointvirg, "Option2[1]", "Virgule", twRect(1740, 0, 960, 300));

    Look formula;
    formula.bold = true;
    formula.colour = kFormulaBlue;
    Label25[44] = label(p, "Label25[44]", "U=R*I", twRect(120, kOhmTop, 840, 300), formula);
    Raz1 = button(p, "Raz1", "RAZ", twRect(120, kOhmTop + kPitch + 60, 720, 360));

    const int o = kOhmTop;
    fieldRows(p, kIn, {
        {o, K(Label25[24]), "U:", K(Text1), "1", false, K(Label25[27]), "Volts"},
        {o + kPitch, K(Label25[25]), "I:", K(Text2), "1", false, K(Label25[28]), "Ampères"},
        {o + 2 * kPitch, K(Label25[26]), "R:", K(Text3), "1", false, K(Label25[29]), "Ohms"},
    });
    fieldRows(p, kOut, {
        {o, NONE, "U résultat", K(Text9), "1", true, K(Label25[30]), "Volts"},
        {o + kPitch, NONE, "I résultat", K(Text12), "1", true, K(Label25[31]), "Ampères"},
        {o + 2 * kPitch, NONE, "R résultat", K(Text11), "1", true, K(Label25[32]), "Ohms"},
    });

    Formules = panel(p, "Formules", twRect(60, kPowerTop - 30, 960, 660));
    Option1[0] = option(Formules, "Option1[0]", QString(), twRect(60, 30, 270, 285));
    Label25[43] = label(Formules, "Label25[43]", "P=U*I", twRect(330, 30, 630, 285), formula);
    Option1[1] = option(Formules, "Option1[1]", QString(), twRect(60, 360, 270, 285));
    formula.colour = QColor(0, 0, 255);
    Label25[42] = label(Formules, "Label25[42]", QString::fromUtf8("P=R*I ²"),
                        twRect(330, 360, 630, 285), formula);
    Raz2 = button(p, "Raz2", "RAZ", twRect(120, kPowerTop + 2 * kPitch + 60, 720, 360));

    const int w = kPowerTop;
    fieldRows(p, kIn, {
        {w, K(Label25[39]), "U:", K(Text4), "1", false, K(Label25[33]), "Volts"},
        {w + kPitch, K(Label25[40]), "I:", K(Text5), "1", false, K(Label25[34]), "Ampères"},
        {w + 2 * kPitch, K(Label25[41]), "P:", K(Text6), "1", false, K(Label25[35]), "Watts"},
    });
    fieldRows(p, kOut, {
        {w, NONE, "U résultat", K(Text10), "1", true, K(Label25[36]), "Volts"},
        {w + kPitch, NONE, "I résultat", K(Text8), "1", true, K(Label25[37]), "Ampères"},
        {w + 2 * kPitch, NONE, "P résultat", K(Text7), "1", true, K(Label25[38]), "Watts"},
    });
}
