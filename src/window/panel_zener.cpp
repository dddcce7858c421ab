// Layout of the "Zener" tab: the regulator's rows, its schematic with the three
// values written over it, the proposal row and the lamps rating the current.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "window/base.h"
#include "window/build.h"

using namespace build;

namespace {
const Columns kRows{120, 1500, 1620, 660, 2340, 600};
constexpr int kPitch = 360;
constexpr int row(int i) { return 480 + i * kPitch; }
} // namespace

void Base::buildZener(QWidget* p) {
    Label25[1] = label(p, "Label25[1]", "Zener:", twRect(120, 120, 900, 300), titleLook());

    Img[0] = picture(p, "Img[0]", ":/assets/zener.svg", twRect(2985, 120, 2010, 1485));
    // The values written over the schematic, in a small type that leaves room for
    // five characters and the unit beside the diode.
    const Look small{7};
    Timg[1] = build::note(Img[0], "Timg[1]", twRect(0, 0, 900, 255), small);
    Timg[0] = build::note(Img[0], "Timg[0]", twRect(600, 480, 900, 255), small);
    Timg[2] = build::note(Img[0], "Timg[2]", twRect(1560, 840, 450, 255), small);

    fieldRows(p, kRows, {
        {row(0), K(Label25[50]), "Tension alim:", K(Text28), "1", false, K(Label25[48]), "Volts"},
        {row(1), K(Label25[51]), "Tension zener:", K(Text27), "1", false, K(Label25[52]), "Volts"},
        {row(2), K(Label25[49]), "Intensitée circuit:", K(Text26), "1", false, K(Label25[47]), "mA"},
        {row(3), K(Label25[46]), "Résistance idéale:", K(Text25), "1", true, K(Label25[53]), "Ohms"},
    });
    Label1[1] = label(p, "Label1[1]", QString::fromUtf8("Décade:"), twRect(120, row(4), 1500, 285));
    Combo7[0] = list(p, "Combo7[0]", twRect(kRows.fieldX, row(4) - 15, 840, 315));

    // The proposal row: its caption takes two lines, the message stands beside it.
    fieldRows(p, kRows, {
        {row(5) + 60, K(Label25[55]), "Résistance la plus proche:", K(Valpro_txt), "1", false,
         K(Label25[54]), "Ohms"},
    });
    Label25[55]->setWordWrap(true);
    Label25[55]->setGeometry(twRect(120, row(5), 1500, 420));
    Look red;
    red.colour = QColor(255, 0, 0);
    red.wrap = true;
    zdofflimit = clickLabel(p, "zdofflimit",
                            QString::fromUtf8("Hors limite du logiciel pour calcul automatique."),
                            twRect(2940, row(5), 2055, 420), red);
    zdofflimit->hide();

    // The current that the proposal lets through, with its lamp on the left.
    const int y = row(6) + 180;
    const Columns current{480, 1140, kRows.fieldX, kRows.fieldW, kRows.unitX, 2640};
    fieldRows(p, current, {
        {y, K(Label25[56]), "I circuit:", K(Text29), "1", true, K(Label25[57]),
         "mA (I autorisée par la ZD)"},
    });
    const QRect lamp = twRect(150, y + 22, 240, 240);
    zdno = picture(p, "zdno", ":/assets/lamp_red.svg", lamp);
    zdok = picture(p, "zdok", ":/assets/lamp_green.svg", lamp);
    zdm = picture(p, "zdm", ":/assets/lamp_yellow.svg", lamp);
}
