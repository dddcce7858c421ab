// The rules of the "Résis" tab. The mode list decides what the tab shows; the
// band lists colour the drawn resistor and spell its value and tolerance under
// it; the SMD fields spell their marking on the same value line; the finder
// composes a value from its lists, shows it as bands and digits and between
// its neighbours in a series. Each rule reads the indices of its lists, asks
// codes/readers.h what they mean and writes its labels.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "codes/readers.h"
#include "kit/controls.h"
#include "kit/panelkit.h"
#include "kit/theme.h"
#include "tabs/resis.h"

using codes::Mode;

namespace {
enum class Vis { Keep, Show, Hide, ThreeDigits /* shown when the finder uses three digits */ };

// One row per mode, in the order of codes::Mode.
struct ModeView {
    bool finder;     // band lists locked and greyed, finder panel shown
    bool smd;        // SMD panel shown, with the cover of the tolerance line
    Vis thirdList;   // the third band's list and its leader
    Vis thirdBand;   // the third band
    bool thirdDigit; // the third digit of the value line
    bool hidePoints; // all the points of the value line hidden
};
constexpr ModeView kModes[] = {
    {true, false, Vis::ThreeDigits, Vis::ThreeDigits, false, false}, // Finder
    {false, false, Vis::Hide, Vis::Hide, false, false},              // FourBands
    {false, false, Vis::Show, Vis::Show, true, false},               // FiveBands
    {false, true, Vis::Keep, Vis::Keep, false, true},                // Smd
};

void apply(Vis v, bool threeDigits, std::initializer_list<QWidget*> widgets) {
    if (v == Vis::Keep) return;
    const bool shown = v == Vis::Show || (v == Vis::ThreeDigits && threeDigits);
    for (QWidget* w : widgets) w->setVisible(shown);
}

// A "Noir" band follows the palette, also when it changes.
void paint(Shape* band, const codes::BandColour& c, bool toleranceBand) {
    if (c.themed) return band->setFill([toleranceBand] { return theme::noir(toleranceBand); });
    band->setFillColor({c.rgb.r, c.rgb.g, c.rgb.b});
}

void show(QLabel* l, const std::optional<bool>& shown) {
    if (shown) l->setVisible(*shown);
}

const QColor kRed{255, 0, 0};
const QColor kGreen{0, 255, 0};
} // namespace

void ResisTab::connectRules() {
    // A pick from the list, a text typed into its edit part and a write of its
    // index run the same rule.
    kit::onChoice(Combo1, this, [this] { Combo1_Click(); });
    for (QComboBox* band : {Combo2, Combo3, Combo4})
        kit::onChoice(band, this, [this, band] { bandDigit_Click(band); });
    kit::onChoice(Combo6, this, [this] { Combo6_Click(); });
    kit::onChoice(Combo5, this, [this] { Combo5_Click(); });
    kit::onChoice(Combo12, this, [this] { Combo12_Click(); });
    for (QLineEdit* field : {cms1, cms2, cms3})
        connect(field, &QLineEdit::textChanged, this, [this, field] { cms_Change(field); });
    for (QComboBox* finder : {Combo7[1], Combo8, Combo9, Combo10, Combo11})
        kit::onChoice(finder, this, [this] { calculr(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });

    kit::name({
        {Combo1, "Mode", "", Label25[85]},
        {Combo2, "1er anneau", "1er chiffre", nullptr},
        {Combo3, "2ème anneau", "2ème chiffre", nullptr},
        {Combo4, "3ème anneau", "3ème chiffre", nullptr},
        {Combo6, "Anneau multiplicateur", "", nullptr},
        {Combo5, "Anneau de tolérance", "", Label2[6]},
        {cms1, "1er chiffre", "CMS", Label7[0]},
        {cms2, "2ième chiffre", "CMS", Label7[2]},
        {cms3, "3ième chiffre", "CMS: nombre de zéros", Label7[1]},
        {Combo8, "1er chiffre", "", Label2[1]},
        {Combo9, "2ème chiffre", "", nullptr},
        {Combo10, "3ème chiffre", "", nullptr},
        {Check1, "Off", "Sans 3ème chiffre", nullptr},
        {Combo11, "Multiplicateur", "", nullptr},
        {Combo12, "Tolérance", "", nullptr},
        {Combo7[1], "Décade", "", Label1[2]},
        {valst_txt[0], "Valeur standardisée inférieure", "", Label2[2]},
        {valst_txt[1], "Valeur standardisée supérieure", "", nullptr},
    });
}

// Entering a mode shows what it reads: the finder's code, the band lists as
// they stand, or the SMD marking.
void ResisTab::Combo1_Click() {
    const Placing once(this);
    const int i = Combo1->currentIndex();
    if (i < 0 || i >= int(std::size(kModes))) return;
    const ModeView& m = kModes[i];
    const std::initializer_list<QComboBox*> bands{Combo2, Combo3, Combo4, Combo5, Combo6};
    // A band list left holding a text that is not one of its items commits first.
    for (QComboBox* band : bands) kit::commit(band);
    for (QComboBox* band : bands) {
        setLocked(band, m.finder);
        theme::setGreyed(band, m.finder);
    }
    Determiner->setVisible(m.finder);
    Picture5->setVisible(m.smd);
    Picture6->setVisible(m.smd);
    const bool threeDigits = !Check1->isChecked();
    apply(m.thirdList, threeDigits, {Combo4, LineN[10], LineN[11], LineN[12]});
    apply(m.thirdBand, threeDigits, {Shape4});
    val_lbl[2]->setVisible(m.thirdDigit);
    if (m.hidePoints)
        for (int k : {3, 4, 5}) val_lbl[k]->hide();

    switch (Mode(i)) {
    case Mode::Finder:
        calculr();
        Combo12_Click(); // the finder's tolerance is the drawn one
        break;
    case Mode::FourBands:
    case Mode::FiveBands:
        bandDigit_Click(Combo2);
        bandDigit_Click(Combo3);
        if (Mode(i) == Mode::FiveBands) bandDigit_Click(Combo4);
        Combo6_Click();
        Combo5_Click();
        break;
    case Mode::Smd: readMarking(-1); break;
    }
    placeValueLines();
}

void ResisTab::bandDigit_Click(QComboBox* list) {
    const struct {
        QComboBox* list;
        Shape* band;
        QLabel* digit;
    } digits[] = {
        {Combo2, Shape2, val_lbl[0]}, {Combo3, Shape3, val_lbl[1]}, {Combo4, Shape4, val_lbl[2]}};
    // Only a colour that this list holds: the first band has no "Noir".
    const codes::BandColour* c = codes::digitAt(kit::shownItem(list), list == Combo2);
    if (!c) return;
    for (const auto& d : digits) {
        if (d.list != list) continue;
        paint(d.band, *c, false);
        d.digit->setText(QString::number(c->digit));
    }
    placeValueLines();
}

void ResisTab::showMarks(const codes::Multiplier& m, bool fiveBands) {
    const codes::ValueMarks v = codes::valueMarks(m, fiveBands);
    const QString point = QStringLiteral(".");
    for (int k : {3, 4, 5}) val_lbl[k]->setText(point);
    val_lbl[5]->setVisible(v.pointBeforeFirst);
    val_lbl[3]->setVisible(v.pointAfterFirst);
    val_lbl[4]->setVisible(v.pointAfterSecond);
    if (v.thirdZero) val_lbl[2]->setText(QStringLiteral("0"));
    val_lbl[2]->setVisible(v.third);
    Label4->setText(v.unit);
}

void ResisTab::Combo6_Click() {
    const codes::Multiplier* m = codes::multiplierAt(kit::shownItem(Combo6));
    if (!m) return;
    paint(Shape5, *m->colour, false);
    showMarks(*m, Combo1->currentIndex() == int(Mode::FiveBands));
    placeValueLines();
}

void ResisTab::Combo5_Click() {
    const codes::Tolerance* t = codes::toleranceAt(kit::shownItem(Combo5));
    if (!t) return;
    paint(Shape6, *t->colour, true);
    tol_lbl->setText(QString::fromLatin1(t->percent));
    placeValueLines();
}

void ResisTab::Combo12_Click() {
    const int band = codes::toleranceBandIndex(Combo12->currentIndex());
    if (band >= 0) kit::setIndex(Combo5, band);
}

// A digit typed completes the marking, which is then read whole, or fills its
// own place of the value line.
void ResisTab::cms_Change(QLineEdit* field) {
    if (!codes::holdsDigit(field->text())) { // a letter, a sign, or the character deleted
        field->setText(QString());
        field->setCursorPosition(1);
        field->deselect();
        return;
    }
    readMarking(field == cms1 ? 0 : field == cms2 ? 1 : 2);
}

// The marking when all three characters are there; on entering the mode
// (changed -1) without them, an empty value line, which each character typed
// fills again.
void ResisTab::readMarking(int changed) {
    const codes::SmdReading r = codes::readSmd({cms1->text(), cms2->text(), cms3->text()}, changed);
    if (changed < 0 && !r.zeros) {
        for (QLabel* l : val_lbl) l->clear();
        Label4->clear();
    }
    if (r.first) val_lbl[0]->setText(QString::number(*r.first));
    if (r.second) val_lbl[1]->setText(QString::number(*r.second));
    if (r.zeros) showMarks(*r.zeros, false);
    placeValueLines();
}

void ResisTab::showDigitCount() {
    const bool two = Check1->isChecked();
    theme::setGreyed(Combo10, two);
    setLocked(Combo10, two);
    // The third digit and, on the drawing, the third band with its list and leader.
    for (QWidget* w : std::initializer_list<QWidget*>{Label8[2], Shape4, Combo4, LineN[10],
                                                      LineN[11], LineN[12]})
        w->setVisible(!two);
}

void ResisTab::Check1_Click() {
    showDigitCount();
    calculr();
}

void ResisTab::calculr() {
    const Placing once(this);
    // An empty list (index -1) enters as -1, as a list with no choice does.
    const int first = Combo8->currentIndex(), second = Combo9->currentIndex(),
              third = Combo10->currentIndex(), factor = Combo11->currentIndex();

    // The same code on the colour bands; their rules draw it.
    kit::setIndex(Combo2, first);
    kit::setIndex(Combo3, second);
    kit::setIndex(Combo4, third);
    kit::setIndex(Combo6, factor);

    const codes::FinderValue v = codes::finderValue(
        first, second, third, factor, Check1->isChecked(), series::at(Combo7[1]->currentIndex()));
    for (int k = 0; k < 3; ++k) Label8[k]->setText(v.digits[k]);
    show(Label9[0], v.point0);
    show(Label9[1], v.point1);
    if (v.unit) Label11->setText(*v.unit);
    show(Label8[2], v.third);
    placeValueLines();

    // The neighbours in the chosen series, and the frame saying whether the value is one.
    if (v.lower) kit::show(valst_txt[0], *v.lower);
    if (v.upper) kit::show(valst_txt[1], *v.upper);
    if (v.standard) Resok_sh->setBorderColor(*v.standard ? kGreen : kRed);
}

void ResisTab::showResistance(double ohms) {
    const std::optional<codes::FinderPreset> p = codes::handoverPreset(ohms);
    if (!p) return;
    const Placing once(this);
    // The finder's lists take the value silently; entering the finder's mode
    // then reads them once.
    {
        const QSignalBlocker q1(Combo11), q2(Check1), q3(Combo8), q4(Combo9), q5(Combo10);
        Combo11->setCurrentIndex(p->multiplier);
        Check1->setChecked(p->twoDigits);
        Combo8->setCurrentIndex(p->digits[0] - 1);
        Combo9->setCurrentIndex(p->digits[1]);
        if (!p->twoDigits) Combo10->setCurrentIndex(p->digits[2]);
    }
    showDigitCount();
    // Entering the finder's mode reads it; in that mode already, the tab shows
    // all else the mode shows, and only the reading is left to do.
    if (Combo1->currentIndex() == int(Mode::Finder))
        calculr();
    else
        kit::setIndex(Combo1, int(Mode::Finder));
}
