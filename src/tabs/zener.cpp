// The "Zener" tab: its rows, its schematic with the three values written over
// it, the proposal row and the lamps rating the current.

#include "tabs/zener.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "calc/calculators.h"
#include "codes/readers.h"
#include "kit/build.h"
#include "kit/controls.h"
#include "kit/panelkit.h"

using namespace build;
using kit::inLocale;
using kit::leading;

namespace {
const Columns kRows{120, 1500, 1620, 660, 2340, 600};
constexpr int kPitch = 360;
constexpr int row(int i) { return 480 + i * kPitch; }
} // namespace

ZenerTab::ZenerTab(QWidget* p) {
    Label25[1] = label(p, "Label25[1]", "Zener:", twRect(120, 120, 900, 300), titleLook());

    Img[0] = picture(p, "Img[0]", ":/assets/zener.svg", twRect(2985, 120, 2010, 1485));
    // The values written over the schematic, in a small type that leaves room for
    // five characters and the unit beside the diode.
    const Look small{7};
    Timg[1] = build::note(Img[0], "Timg[1]", twRect(0, 0, 900, 255), small);
    Timg[0] = build::note(Img[0], "Timg[0]", twRect(600, 480, 900, 255), small);
    Timg[2] = build::note(Img[0], "Timg[2]", twRect(1560, 840, 450, 255), small);

    fieldRows(p, kRows,
              {
                  {row(0), K(Label25[50]), "Tension alim:", K(Text28), "1", false, K(Label25[48]),
                   "Volts"},
                  {row(1), K(Label25[51]), "Tension zener:", K(Text27), "1", false, K(Label25[52]),
                   "Volts"},
                  {row(2), K(Label25[49]), "Intensitée circuit:", K(Text26), "1", false,
                   K(Label25[47]), "mA"},
                  {row(3), K(Label25[46]), "Résistance idéale:", K(Text25), "1", true,
                   K(Label25[53]), "Ohms"},
              });
    Label1[1] = label(p, "Label1[1]", QString::fromUtf8("Décade:"), twRect(120, row(4), 1500, 285));
    Combo7[0] = list(p, "Combo7[0]", twRect(kRows.fieldX, row(4) - 15, 840, 315));

    // The proposal row: its caption takes two lines, the message stands beside it.
    fieldRows(p, kRows,
              {
                  {row(5) + 60, K(Label25[55]), "Résistance la plus proche:", K(Valpro_txt), "1",
                   false, K(Label25[54]), "Ohms"},
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
    fieldRows(p, current,
              {
                  {y, K(Label25[56]), "I circuit:", K(Text29), "1", true, K(Label25[57]),
                   "mA (I autorisée par la ZD)"},
              });
    const QRect lamp = twRect(150, y + 22, 240, 240);
    zdno = picture(p, "zdno", ":/assets/lamp_red.svg", lamp);
    zdok = picture(p, "zdok", ":/assets/lamp_green.svg", lamp);
    zdm = picture(p, "zdm", ":/assets/lamp_yellow.svg", lamp);

    for (QLineEdit* f : {Text26, Text27, Text28}) kit::numericField(f, this, [this] { zener(); });
    kit::numericField(Valpro_txt, this, [this] { Valpro_txt_Change(); });
    connect(zdofflimit, &ClickLabel::clicked, this, [this] { zdofflimit_Click(); });
    kit::onChoice(Combo7[0], this, [this] { emit seriesPicked(); });
    kit::name({{Combo7[0], "Décade", "", Label1[1]}});
}

void ZenerTab::start(int maxLength) {
    zdok->hide();
    zdm->hide();
    for (QLineEdit* f : {Text28, Text27, Text26, Valpro_txt}) f->setMaxLength(maxLength);
}

void ZenerTab::fillLists() { kit::fill(Combo7[0], codes::seriesItems(series::List::Zener), 0); }

QList<QWidget*> ZenerTab::focusChain() const {
    return {Text28, Text27, Text26, Combo7[0], Valpro_txt};
}

void ZenerTab::zener() {
    // Text28: supply Us, Text27: zener voltage Uz, Text26: wanted current Iw in mA.
    const bool e24 =
        series::at(series::List::Zener, Combo7[0]->currentIndex()) == series::Series::E24;
    const auto out =
        calc::zenerIdeal(leading(Text28), leading(Text27), leading(Text26), inLocale(Text25), e24);
    if (!out) return;
    if (out->ideal) { // written once, shown in its field and on the schematic
        const QString ideal = numbers::writeNumber(*out->ideal);
        kit::show(Text25, ideal);
        Timg[0]->setNote(ideal);
    }
    Timg[1]->setNote(Text28->text() + u'V');
    Timg[2]->setNote(Text27->text() + u'V');
    if (out->ideal) emit resistanceComputed(*out->ideal);

    // The E24 value just below the ideal one; then, proposal or not, the
    // resistance shown is rated against the present Us, Uz and Iw.
    if (out->offLimit) zdofflimit->setVisible(*out->offLimit);
    if (const QString proposal = QString::number(out->proposal.value_or(0));
        out->proposal && Valpro_txt->text() != proposal)
        return Valpro_txt->setText(proposal); // its change rates it
    Valpro_txt_Change();
}

void ZenerTab::Valpro_txt_Change() {
    const kit::Num chosen = inLocale(Valpro_txt);
    if (!chosen) return; // never shown: the field's rule repairs it to 1 ohm at once
    const auto read = pointdec ? leading : inLocale;
    const auto out =
        calc::zenerRating(read(Text28), read(Text27), read(Text26), *chosen, inLocale(Text29));
    if (!out) return;
    kit::write(Text29, out->current);
    if (!out->lamp) return;
    zdok->setVisible(*out->lamp == calc::Lamp::Green);
    zdm->setVisible(*out->lamp == calc::Lamp::Yellow);
    zdno->setVisible(*out->lamp == calc::Lamp::Red);
}

void ZenerTab::zdofflimit_Click() { zdofflimit->hide(); }
