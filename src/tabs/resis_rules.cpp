// The rules of the "Résis" tab. The tab keeps what it shows as markings
// (codes/marking.h): the colour code that the band lists hold and the drawing
// wears, what the value line reads, and the finder's value. Each rule reads
// its event into them and calls show(), which writes the drawing, the value
// and tolerance lines, the finder's row and, silently, the lists that the
// event did not come from. The mode list decides what the tab shows; entering
// a mode reads it again.

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "codes/colours.h"
#include "codes/readers.h"
#include "codes/smd.h"
#include "codes/smd_markings.h"
#include "kit/controls.h"
#include "kit/panelkit.h"
#include "kit/theme.h"
#include "tabs/resis.h"

using codes::Band;
using codes::Mode;

namespace {
enum class Vis { Keep, Show, Hide, ThreeDigits /* shown when the finder uses three digits */ };

// What each mode shows, one row per mode of codes::Mode.
struct ModeView {
    Mode mode;
    bool finder;        // band lists locked and greyed, finder panel shown
    bool smd;           // SMD panel shown, with the cover of the tolerance line
    Vis third;          // the third band with its list and leader
    bool sixth = false; // the sixth band with its list, leader and line
};
constexpr ModeView kModes[] = {
    {Mode::Finder, true, false, Vis::ThreeDigits},   {Mode::FourBands, false, false, Vis::Hide},
    {Mode::FiveBands, false, false, Vis::Show},      {Mode::Smd, false, true, Vis::Keep},
    {Mode::SixBands, false, false, Vis::Show, true},
};
static_assert(std::size(kModes) == codes::kModeCount &&
              std::ranges::all_of(kModes,
                                  [](const ModeView& v) { return &v == &kModes[int(v.mode)]; }));

// A "Noir" band follows the palette, also when it changes.
void paint(Shape* band, const codes::BandColour& c, bool toleranceBand) {
    if (c.themed) return band->setFill([toleranceBand] { return theme::noir(toleranceBand); });
    band->setFillColor({c.rgb.r, c.rgb.g, c.rgb.b});
}

void showIf(QLabel* l, const std::optional<bool>& shown) {
    if (shown) l->setVisible(*shown);
}

// What the value line reads of the code on the band lists: the digits of the
// bands given and, with the multiplier, its exponent read with `count` digits.
codes::Marking reading(const codes::Marking& code, std::initializer_list<Band> bands, int count) {
    codes::Marking r;
    r.count = count;
    for (Band b : bands) {
        if (b == Band::Multiplier) r.exponent = code.exponent;
        if (b <= Band::Third) r.digits[int(b)] = code.digits[int(b)];
    }
    return r;
}

const QColor kRed{255, 0, 0};
const QColor kGreen{0, 255, 0};
} // namespace

void ResisTab::connectRules() {
    // A pick from the list, a text typed into its edit part and a write of its
    // index run the same rule.
    kit::onChoice(Combo1, this, [this] { Combo1_Click(); });
    for (auto [band, list, shape] : bandRows())
        kit::onChoice(list, this, [this, list, band] { band_Click(list, band); });
    kit::onChoice(Combo12, this, [this] { Combo12_Click(); });
    for (QLineEdit* field : {cms1, cms2, cms3, cms4})
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
        {Combo13, "Coefficient de température", "", Label2[7]},
        {cms1, "1er chiffre", "CMS", Label7[0]},
        {cms2, "2ième chiffre", "CMS", Label7[2]},
        {cms3, "3ième chiffre", "CMS: nombre de zéros", Label7[1]},
        {cms4, "Quatrième chiffre", "CMS: nombre de zéros d'un marquage à 4 chiffres", Label7[3]},
        {Combo8, "1er chiffre", "", Label2[1]},
        {Combo9, "2ème chiffre", "", nullptr},
        {Combo10, "3ème chiffre", "", nullptr},
        {Check1, "Off", "Sans 3ème chiffre", nullptr},
        {Combo11, "Multiplicateur", "", nullptr},
        {Combo12, "Tolérance", "", nullptr},
        {Combo7[1], "Décade", "", Label1[2]},
        {valst_txt[0], "Valeur standardisée inférieure", "", Label2[2]},
        {valst_txt[1], "Valeur standardisée supérieure", "", nullptr},
        {cmsmark_txt, "Marquages CMS", "", Label2[5]},
    });
}

std::array<ResisTab::BandRow, 6> ResisTab::bandRows() const {
    return {{{Band::First, Combo2, Shape2},
             {Band::Second, Combo3, Shape3},
             {Band::Third, Combo4, Shape4},
             {Band::Multiplier, Combo6, Shape5},
             {Band::Tolerance, Combo5, Shape6},
             {Band::TempCoefficient, Combo13, Shape10}}};
}

int ResisTab::digitCount() const {
    return mode_ == Mode::FiveBands || mode_ == Mode::SixBands ? 3 : 2;
}

// Entering a mode shows what it reads: the finder's code, the band lists as
// they stand, or the SMD marking.
void ResisTab::Combo1_Click() {
    const int i = Combo1->currentIndex();
    if (i < 0 || i >= codes::kModeCount) return;
    const Placing once(this);
    mode_ = Mode(i);
    // A band list left holding a text that is not one of its items commits first.
    for (const BandRow& b : bandRows()) kit::commit(b.list);
    showMode();
    unsigned lists = NoList;
    switch (mode_) {
    case Mode::Finder:
        readFinder();
        lists = BandLists;
        // The finder's tolerance is the drawn one.
        if (const auto t = codes::finderTolerance(Combo12->currentIndex())) {
            code_.tolerance = t;
            lists |= ToleranceList;
        }
        break;
    case Mode::FourBands: // the third band is left as it is
        reading_ = codes::readOnto(
            reading_, reading(code_, {Band::First, Band::Second, Band::Multiplier}, 2));
        break;
    case Mode::FiveBands:
    case Mode::SixBands: // the sixth band adds no digit
        reading_ = codes::readOnto(
            reading_,
            reading(code_, {Band::First, Band::Second, Band::Third, Band::Multiplier}, 3));
        break;
    case Mode::Smd: {
        // The whole marking, or an empty value line that each character typed fills again.
        if (!readMarking()) reading_ = codes::Marking{};
        break;
    }
    }
    show(lists);
}

void ResisTab::showMode() {
    const ModeView& m = kModes[int(mode_)];
    // Under the SMD panel the band lists are out of reach, for a screen reader too.
    for (const BandRow& b : bandRows()) {
        setLocked(b.list, m.finder || m.smd);
        theme::setGreyed(b.list, m.finder);
    }
    Determiner->setVisible(m.finder);
    Picture5->setVisible(m.smd);
    Picture6->setVisible(m.smd);
    placeDrawing(m.sixth);
    for (QWidget* w : std::initializer_list<QWidget*>{sixthRow_, Shape10, Combo13, Label2[7],
                                                      tc_lbl, LineN[19], LineN[20], LineN[21]})
        w->setVisible(m.sixth);
    if (m.third == Vis::Keep) return;
    const bool shown =
        m.third == Vis::Show || (m.third == Vis::ThreeDigits && !Check1->isChecked());
    for (QWidget* w :
         std::initializer_list<QWidget*>{Combo4, LineN[10], LineN[11], LineN[12], Shape4})
        w->setVisible(shown);
}

// Only an item of the list counts: the first band has no "Noir".
void ResisTab::band_Click(QComboBox* list, Band band) {
    const int item = kit::shownItem(list);
    const std::optional<codes::Marking> code = codes::withBand(code_, band, item);
    if (!code) return;
    code_ = *code;
    reading_ = codes::readOnto(reading_, reading(code_, {band}, digitCount()));
    show();
}

void ResisTab::Combo12_Click() {
    const std::optional<int> t = codes::finderTolerance(Combo12->currentIndex());
    if (!t) return;
    code_.tolerance = t;
    show(ToleranceList);
}

// A character typed completes the marking, which is then read whole, or a
// digit fills its own place of the value line (of a three-character marking).
void ResisTab::cms_Change(QLineEdit* field) {
    const int changed = field == cms1 ? 0 : field == cms2 ? 1 : field == cms3 ? 2 : 3;
    const std::optional<QChar> c = codes::smdCharacter(field->text(), changed);
    if (!c) {
        if (!field->text().isEmpty()) { // another letter or a sign: emptied, which runs this again
            field->setText(QString());
            field->setCursorPosition(1);
            field->deselect();
        } else if (readMarking()) { // the fourth character deleted leaves three
            show();
        }
        return;
    }
    if (field->text() != *c) return field->setText(*c); // typed lower case: its change reads it
    if (!readMarking()) {
        if (changed == 3 || !cms4->text().isEmpty() || !codes::holdsDigit(field->text())) return;
        reading_ = codes::readOnto(
            reading_, codes::fromSmd({cms1->text(), cms2->text(), cms3->text()}, changed));
    }
    show();
}

bool ResisTab::readMarking() {
    const codes::SmdFields fields{cms1->text(), cms2->text(), cms3->text(), cms4->text()};
    const std::optional<codes::SmdReading> r = codes::readSmd(fields);
    if (!r) {
        cms_lbl->clear();
        return false;
    }
    reading_ = r->value ? codes::readOnto(reading_, *r->value) : codes::Marking{};
    Label3->setText(fields[0] + fields[1] + fields[2] + fields[3]);
    cms_lbl->setText(codes::smdNote(*r));
    return true;
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

// The finder's value, and the same code on the band lists and the value line.
// An empty list (index -1) enters as -1, as a list with no choice does.
void ResisTab::readFinder() {
    finder_ =
        codes::fromFinder(Combo8->currentIndex(), Combo9->currentIndex(), Combo10->currentIndex(),
                          Combo11->currentIndex(), Check1->isChecked());
    series_ = series::at(series::List::Finder, Combo7[1]->currentIndex());
    code_ = codes::asBands(finder_, code_);
    reading_ = codes::readOnto(
        reading_,
        reading(code_, {Band::First, Band::Second, Band::Third, Band::Multiplier}, digitCount()));
}

void ResisTab::calculr() {
    if (waiting_) return readHandedOver(); // which reads the finder
    const Placing once(this);
    readFinder();
    show(BandLists);
}

void ResisTab::show(unsigned lists) {
    for (const BandRow& b : bandRows()) {
        const bool tolerance = b.band == Band::Tolerance;
        if (lists & (tolerance ? ToleranceList : BandLists))
            kit::showIndex(b.list, codes::bandItem(code_, b.band));
        if (const codes::BandColour* c = codes::bandColour(code_, b.band))
            paint(b.shape, *c, tolerance);
    }
    if (const std::optional<QString> t = codes::toleranceText(code_)) tol_lbl->setText(*t);
    if (const std::optional<QString> t = codes::tempCoefficientText(code_)) tc_lbl->setText(*t);

    // The value line: digits, then the points, before the first, after the
    // first and after the second place, and the unit.
    const codes::ValueLine v = codes::valueLine(reading_);
    for (int k = 0; k < codes::kPlaces; ++k) val_lbl[k]->setText(v.digits[k]);
    val_lbl[2]->setVisible(v.third);
    const int points[] = {5, 3, 4};
    for (int at = 0; at < 3; ++at) {
        val_lbl[points[at]]->setText(v.pointText);
        val_lbl[points[at]]->setVisible(v.point == at);
    }
    Label4->setText(v.unit);

    // The finder's row, its neighbours in the chosen series and the frame
    // saying whether the value is one.
    const codes::FinderValue f = codes::finderLine(finder_, series_);
    for (int k = 0; k < 3; ++k) Label8[k]->setText(f.digits[k]);
    showIf(Label9[0], f.point0);
    showIf(Label9[1], f.point1);
    if (f.unit) Label11->setText(*f.unit);
    showIf(Label8[2], f.third);
    if (f.lower) kit::show(valst_txt[0], *f.lower);
    if (f.upper) kit::show(valst_txt[1], *f.upper);
    if (f.standard) Resok_sh->setBorderColor(*f.standard ? kGreen : kRed);
    kit::show(cmsmark_txt, codes::smdMarkings(finder_));
    placeValueLines();
}

// The finder's lists take the value silently; entering the finder's mode then
// reads them once, and in that mode already, the finder reads them. While the
// tab is hidden the value waits until the tab shows (or the finder runs), and
// only the last one is written. That leaves what writing each in turn would:
// every value writes all of the finder's lists but the third digit's, which a
// two-digit value leaves as it stands, so the waiting value keeps the third
// digit of the last one that had it.
void ResisTab::showResistance(double ohms) {
    const std::optional<codes::Marking> m = codes::fromResistance(ohms);
    if (!m) return;
    codes::FinderItems items = codes::finderItems(*m);
    if (!items.third && waiting_) items.third = waiting_->third;
    waiting_ = items;
    if (!panel_->isHidden()) readHandedOver(); // the tab shown, or the window not yet
}

void ResisTab::readHandedOver() {
    if (!waiting_) return;
    const codes::FinderItems items = *std::exchange(waiting_, std::nullopt);
    const Placing once(this);
    kit::showIndex(Combo11, items.multiplier);
    {
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(items.twoDigits);
    }
    kit::showIndex(Combo8, items.first);
    kit::showIndex(Combo9, items.second);
    if (items.third) kit::showIndex(Combo10, *items.third);
    showDigitCount();
    if (mode_ == Mode::Finder)
        calculr();
    else
        kit::setIndex(Combo1, int(Mode::Finder));
}

// The panel shown: a hand-over waiting is read, and the value lines placed the
// first time; a new font or style: the texts measured anew.
bool ResisTab::eventFilter(QObject* watched, QEvent* e) {
    if (watched != panel_) return false;
    switch (e->type()) {
    case QEvent::ShowToParent: // the panel shown, also inside a window not shown yet
        readHandedOver();
        if (everShown_) break;
        everShown_ = true;
        if (placeLater_ && placing_ == 0) {
            placeLater_ = false;
            placeValueLines();
        }
        break;
    case QEvent::FontChange: // the texts measured anew
    case QEvent::StyleChange: widths_.clear(); break;
    default: break;
    }
    return false;
}
