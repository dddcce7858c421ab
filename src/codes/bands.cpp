// The colour-band reader of the "Résis" tab: the mode list, which decides what
// the tab shows, and the band lists, which colour the drawn resistor and spell
// its value and tolerance under it.

#include "codes/bands.h"

#include <QComboBox>
#include <QCheckBox>
#include <QLabel>

#include "codes/colours.h"
#include "window/base.h"
#include "window/lists.h"

namespace {
enum class Vis { Keep, Show, Hide, ThreeDigits /* shown when the finder uses three digits */ };

// The items of the mode list.
enum ModeIndex { kFinder, kFourBands, kFiveBands, kSmd };

// One row per item of the mode list, in its order.
struct Mode {
    bool finder;     // band lists locked and greyed, finder panel shown
    bool smd;        // SMD panel shown, with the cover of the tolerance line
    Vis thirdList;   // the third band's list and its leader
    Vis thirdBand;   // the third band
    bool thirdDigit; // the third digit of the value line
    bool hidePoints; // all the points of the value line hidden
};
constexpr Mode kModes[] = {
    {true, false, Vis::ThreeDigits, Vis::ThreeDigits, false, false},
    {false, false, Vis::Hide, Vis::Hide, false, false},
    {false, false, Vis::Show, Vis::Show, true, false},
    {false, true, Vis::Keep, Vis::Keep, false, true},
};

void apply(Vis v, bool threeDigits, std::initializer_list<QWidget*> widgets) {
    if (v == Vis::Keep) return;
    const bool shown = v == Vis::Show || (v == Vis::ThreeDigits && threeDigits);
    for (QWidget* w : widgets) w->setVisible(shown);
}

QColor colourOf(const codes::BandColour& c, bool toleranceBand) {
    if (c.themed) return toleranceBand ? theme::buttonText() : theme::windowText();
    return {c.rgb.r, c.rgb.g, c.rgb.b};
}
} // namespace

void codes::showMultiplier(Base& w, const Multiplier& m) {
    const QString point = QStringLiteral(".");
    w.val_lbl[5]->setText(point);
    w.val_lbl[5]->setVisible(m.point == Point::BeforeFirst);
    w.val_lbl[3]->setText(point);
    w.val_lbl[3]->setVisible(m.point == Point::AfterFirst);
    w.val_lbl[4]->hide();
    if (m.zero) w.val_lbl[2]->setText(QStringLiteral("0"));
    w.val_lbl[2]->setVisible(m.zero);
    w.Label4->setText(QString::fromLatin1(m.unit));
}

void codes::showFiveBandMultiplier(Base& w, const Multiplier& m) {
    const QString point = QStringLiteral(".");
    w.val_lbl[5]->hide();
    w.val_lbl[3]->setText(point);
    w.val_lbl[3]->setVisible(m.fivePoint == Point::AfterFirst);
    w.val_lbl[4]->setText(point);
    w.val_lbl[4]->setVisible(m.fivePoint == Point::AfterSecond);
    w.val_lbl[2]->show();
    w.Label4->setText(QString::fromLatin1(m.fiveUnit));
}

// Entering a mode shows what it reads: the finder's code, the band lists as
// they stand, or the SMD marking.
void Base::Combo1_Click() {
    const int i = Combo1->currentIndex();
    if (i < 0 || i >= int(std::size(kModes))) return;
    const Mode& m = kModes[i];
    // A band list left holding a text that is not one of its items commits first.
    for (QComboBox* band : {Combo2, Combo3, Combo4, Combo5, Combo6})
        if (ListRule* rule = ruleOf(band)) rule->commit();
    for (QComboBox* band : {Combo2, Combo3, Combo4, Combo5, Combo6}) {
        setLocked(band, m.finder);
        setTextColour(band, m.finder ? theme::scrollBar() : theme::windowText());
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

    switch (i) {
    case kFinder:
        calculr();
        Combo12_Click(); // the finder's tolerance is the drawn one
        break;
    case kFourBands:
    case kFiveBands:
        bandDigit_Click(Combo2);
        bandDigit_Click(Combo3);
        if (i == kFiveBands) bandDigit_Click(Combo4);
        Combo6_Click();
        Combo5_Click();
        break;
    case kSmd: readMarking(); break;
    }
    placeValueLines();
}

void Base::bandDigit_Click(QComboBox* list) {
    const struct {
        QComboBox* list;
        Shape* band;
        QLabel* digit;
    } digits[] = {{Combo2, Shape2, val_lbl[0]}, {Combo3, Shape3, val_lbl[1]},
                  {Combo4, Shape4, val_lbl[2]}};
    const QString text = list->currentText();
    // Only a colour that this list holds: the first band has no "Noir".
    if (list->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) return;
    const codes::BandColour* c = codes::bandColour(text);
    if (!c || c->digit < 0) return;
    for (const auto& d : digits) {
        if (d.list != list) continue;
        d.band->setFillColor(colourOf(*c, false));
        d.digit->setText(QString::number(c->digit));
    }
    placeValueLines();
}

void Base::Combo6_Click() {
    const QString text = Combo6->currentText();
    const codes::Multiplier* m = codes::multiplier(text);
    if (!m) return;
    Shape5->setFillColor(colourOf(*codes::bandColour(text), false));
    if (Combo1->currentIndex() == kFiveBands)
        codes::showFiveBandMultiplier(*this, *m);
    else
        codes::showMultiplier(*this, *m);
    placeValueLines();
}

void Base::Combo5_Click() {
    const QString text = Combo5->currentText();
    const codes::Tolerance* t = codes::tolerance(text);
    if (!t) return;
    Shape6->setFillColor(colourOf(*codes::bandColour(text), true));
    tol_lbl->setText(QString::fromLatin1(t->percent));
    placeValueLines();
}

void Base::Combo12_Click() {
    const int band = codes::toleranceBandIndex(Combo12->currentIndex());
    if (band >= 0) setIndex(Combo5, band);
}
