// The "Bases" tab: Ohm's law above, power below, the decimal separator choice
// at the top. Each output row shows its quantity computed from the inputs.

#include "tabs/bases.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calc/calculators.h"
#include "kit/build.h"
#include "kit/controls.h"
#include "kit/panelkit.h"

using namespace build;
using kit::leading;
using kit::write;

namespace {
// Input block then output block, twips.
const Columns kIn{1020, 270, 1290, 690, 2040, 750, outputGreenBases};
const Columns kOut{0, 0, 2850, 870, 3780, 780, outputGreenBases};
constexpr int kOhmTop = 600, kPowerTop = 2040, kPitch = 360;
const QColor kFormulaBlue{0, 0, 192};
} // namespace

BasesTab::BasesTab(QWidget* p) {
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
    fieldRows(
        p, kIn,
        {
            {o, K(Label25[24]), "U:", K(Text1), "1", false, K(Label25[27]), "Volts"},
            {o + kPitch, K(Label25[25]), "I:", K(Text2), "1", false, K(Label25[28]), "Ampères"},
            {o + 2 * kPitch, K(Label25[26]), "R:", K(Text3), "1", false, K(Label25[29]), "Ohms"},
        });
    fieldRows(
        p, kOut,
        {
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
    fieldRows(
        p, kIn,
        {
            {w, K(Label25[39]), "U:", K(Text4), "1", false, K(Label25[33]), "Volts"},
            {w + kPitch, K(Label25[40]), "I:", K(Text5), "1", false, K(Label25[34]), "Ampères"},
            {w + 2 * kPitch, K(Label25[41]), "P:", K(Text6), "1", false, K(Label25[35]), "Watts"},
        });
    fieldRows(
        p, kOut,
        {
            {w, NONE, "U résultat", K(Text10), "1", true, K(Label25[36]), "Volts"},
            {w + kPitch, NONE, "I résultat", K(Text8), "1", true, K(Label25[37]), "Ampères"},
            {w + 2 * kPitch, NONE, "P résultat", K(Text7), "1", true, K(Label25[38]), "Watts"},
        });

    for (QLineEdit* f : {Text1, Text2, Text3}) {
        kit::numericField(f, this, [this] { uri(); });
        // A click into one of them recomputes as if its text had changed.
        onClick(f, [this, f] {
            if (numbers::isNumeric(f->text()))
                uri();
            else
                kit::repairToOne(f);
        });
    }
    for (QLineEdit* f : {Text4, Text5, Text6}) kit::numericField(f, this, [this] { powerCalc(); });
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) emit decimalPointChosen(i == 0);
        });
    }
    connect(Raz1, &QPushButton::clicked, this, [this] { Raz1_Click(); });
    connect(Raz2, &QPushButton::clicked, this, [this] { Raz2_Click(); });
    kit::name({{Option1[0], "P=U*I", "", nullptr}, {Option1[1], "P=R*I²", "", nullptr}});
}

void BasesTab::start(int maxLength) {
    Option1[0]->setChecked(true);
    Option2[0]->setChecked(true);
    for (QLineEdit* f : {Text1, Text2, Text3, Text4, Text5, Text6}) f->setMaxLength(maxLength);
}

QList<QWidget*> BasesTab::focusChain() const {
    return {Option2[0], Option2[1], Text1, Text2, Text3, Raz1,
            Option1[0], Option1[1], Text4, Text5, Text6, Raz2};
}

bool BasesTab::pointChosen() const { return Option2[0]->isChecked(); }

void BasesTab::uri() {
    // Text1: U, Text2: I, Text3: R (volts, amperes, ohms).
    const auto out = calc::ohm(leading(Text1), leading(Text2), leading(Text3));
    if (!out) return;
    write(Text12, out->current);
    write(Text11, out->resistance);
    write(Text9, out->voltage);
    if (out->resistance) emit resistanceComputed(*out->resistance);
}

void BasesTab::pui() {
    // Text4: U, Text5: I, Text6: P.
    const auto out = calc::powerUI(leading(Text4), leading(Text5), leading(Text6));
    if (!out) return;
    write(Text10, out->first);
    write(Text8, out->current);
    write(Text7, out->power);
}

void BasesTab::pri() {
    // Text4: R, Text5: I, Text6: P.
    const auto out = calc::powerRI(leading(Text4), leading(Text5), leading(Text6));
    if (!out) return;
    write(Text10, out->first);
    write(Text8, out->current);
    write(Text7, out->power);
    if (out->first) emit resistanceComputed(*out->first);
}

void BasesTab::powerCalc() {
    if (modeui)
        pui();
    else
        pri();
}

void BasesTab::Option1_Click(int index) {
    modeui = index == 0;
    Label25[39]->setText(modeui ? QStringLiteral("U:") : QStringLiteral("R:"));
    const QString unit = modeui ? QStringLiteral("Volts") : QStringLiteral("Ohms");
    Label25[33]->setText(unit);
    Label25[36]->setText(unit);
    Text4->setAccessibleName(modeui ? QStringLiteral("U") : QStringLiteral("R"));
    Text4->setAccessibleDescription(unit);
    Text10->setAccessibleName(modeui ? QStringLiteral("U résultat") : QStringLiteral("R résultat"));
    Text10->setAccessibleDescription(unit);
}

namespace {
void writeOnes(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* f : fields) f->setText(QStringLiteral("1"));
}
} // namespace

void BasesTab::Raz1_Click() { writeOnes({Text1, Text2, Text3, Text11, Text12, Text9}); }

void BasesTab::Raz2_Click() { writeOnes({Text4, Text5, Text6, Text10, Text7, Text8}); }
