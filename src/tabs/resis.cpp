// The "Résis" tab's layout: the drawn resistor with its five band lists, the
// value and tolerance lines, the SMD panel and the finder panel that cover
// parts of it depending on the mode; and its start-up.

#include "tabs/resis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "codes/colours.h"
#include "codes/readers.h"
#include "kit/build.h"
#include "kit/controls.h"
#include "kit/panelkit.h"

using namespace build;

namespace {
constexpr int kBodyTop = 540, kBodyHeight = 360, kListTop = 1380, kListWidth = 930;
constexpr int kBodyLeft = 1440, kBodyWidth = 1455, kLeadLength = 600, kBandWidth = 135;
// The list of the sixth band stands above the drawing, on the mode list's row.
constexpr int kTopListTop = 90, kTopRowLeft = 2970;

// Each band from left to right: its left edge on the five-band body, its
// list's place and the height at which its leader runs across, chosen so that
// no two leaders cross. A leader runs from the body's edge nearer the list.
struct BandPlace {
    int bandLeft, listLeft, listTop, across;
};
constexpr BandPlace kBandPlaces[] = {
    {1560, 120, kListTop, 1000},  {1800, 1080, kListTop, 1120}, {2040, 2040, kListTop, 1240},
    {2400, 3000, kListTop, 1120}, {2640, 3960, kListTop, 1000}, {2880, 3960, kTopListTop, 472},
};
// Six bands: the body one band step wider, as much on each side.
constexpr int kSixBandsWider = 240;
const QColor kBody{255, 192, 128};

// Where the value line and the finder's value begin.
constexpr int kValueLeft = 840, kFinderLeft = 2700;

Look digitLook() { return Look{12, true, false, {}, Qt::AlignCenter}; }

} // namespace

// A label's width for a text: its size hint, and for a space the advance of
// one in its font. Each text is measured once per font and style (the value
// lines are placed again on every change).
int ResisTab::widthOf(const QLabel* l, const QString& text) {
    const auto key = std::pair(l, text);
    auto known = widths_.constFind(key);
    if (known == widths_.cend())
        known = widths_.insert(key, text == u' ' ? l->fontMetrics().horizontalAdvance(u' ')
                                                 : l->sizeHint().width());
    return *known;
}

// Stands the shown labels next to each other from x on, each as wide as its
// text, then the unit one space further.
void ResisTab::flow(std::initializer_list<QLabel*> labels, QLabel* unit, int x) {
    for (QLabel* l : labels) {
        if (l->isHidden()) continue;
        const int width = l->text().isEmpty() ? 0 : widthOf(l, l->text());
        l->setGeometry(x, l->y(), width, l->height());
        x += width;
    }
    unit->move(x + widthOf(unit, QStringLiteral(" ")), unit->y());
}

ResisTab::Placing::Placing(ResisTab* tab) : tab_(tab) { ++tab->placing_; }

ResisTab::Placing::~Placing() {
    if (--tab_->placing_ > 0 || !tab_->placeLater_) return;
    tab_->placeLater_ = false;
    tab_->placeValueLines();
}

void ResisTab::placeValueLines() {
    if (placing_ > 0 || !everShown_) {
        placeLater_ = true;
        return;
    }
    flow({val_lbl[5], val_lbl[0], val_lbl[3], val_lbl[1], val_lbl[4], val_lbl[2]}, Label4,
         tw(kValueLeft));
    flow({Label8[0], Label9[0], Label8[1], Label9[1], Label8[2]}, Label11, tw(kFinderLeft));
    // The finder's frame holds its whole value, digits to unit, with the margin
    // it has on the left on the right too.
    const int margin = tw(kFinderLeft) - Resok_sh->x();
    const int end = Label11->x() + Label11->fontMetrics().horizontalAdvance(Label11->text());
    Resok_sh->resize(end + margin - Resok_sh->x(), Resok_sh->height());
    // The tolerance line reads "(+/- 5 %)": one space between its three labels.
    flow({tol_lbl}, Label6,
         Label5->x() + widthOf(Label5, Label5->text()) + widthOf(tol_lbl, QStringLiteral(" ")));
    // The temperature coefficient two spaces after it.
    tc_lbl->move(Label6->x() + widthOf(Label6, Label6->text()) +
                     2 * widthOf(Label6, QStringLiteral(" ")),
                 tc_lbl->y());
}

ResisTab::ResisTab(QWidget* p) : mode_(codes::Mode::Finder), panel_(p) {
    buildBands(p);
    buildSmd(p);
    buildFinder(p);
    connectRules();
    p->installEventFilter(this);
}

void ResisTab::buildBands(QWidget* p) {
    Label25[85] = label(p, "Label25[85]", "Résistances:", twRect(120, 120, 1380, 300), titleLook());
    // As wide as its longest item: the sixth band's list and caption stand beside it.
    Combo1 = list(p, "Combo1", twRect(1560, 90, 1320, 315));

    // The resistor: leads, body and bands, each band with its list and the
    // leader joining them; placed by placeDrawing.
    LineN[3] = line(p, "LineN[3]", 0, 0, 0, 0);
    LineN[1] = line(p, "LineN[1]", 0, 0, 0, 0);
    Shape1 = shape(p, "Shape1", {}, kBody);
    const struct {
        Shape** band;
        const char* bandId;
        QComboBox** list;
        const char* listId;
    } bands[] = {
        {K(Shape2), K(Combo2)}, {K(Shape3), K(Combo3)}, {K(Shape4), K(Combo4)},
        {K(Shape5), K(Combo6)}, {K(Shape6), K(Combo5)}, {K(Shape10), K(Combo13)},
    };
    sixthRow_ = panel(
        p, "",
        twRect(kTopRowLeft, kTopListTop, kBandPlaces[5].listLeft + kListWidth - kTopRowLeft, 315));
    for (int k = 0; k < int(std::size(bands)); ++k) {
        const BandPlace& at = kBandPlaces[k];
        QWidget* row = at.listTop == kTopListTop ? sixthRow_ : p;
        *bands[k].band = shape(p, bands[k].bandId, {}, kBody);
        const QRect place = twRect(at.listLeft, at.listTop, kListWidth, 315);
        *bands[k].list =
            list(row, bands[k].listId, row == p ? place : place.translated(-row->pos()), true);
        for (int i = 0; i < 3; ++i) {
            const QByteArray id = "LineN[" + QByteArray::number(4 + 3 * k + i) + "]";
            LineN[4 + 3 * k + i] = line(p, id.constData(), 0, 0, 0, 0);
        }
    }
    placeDrawing(false);
    Label2[6] = label(p, "Label2[6]", "Tolérance:", twRect(4170, 1110, 840, 255));
    Label2[7] =
        label(sixthRow_, "Label2[7]",
              "Coef. temp.:", twRect(kTopRowLeft, 120, 960, 255).translated(-sixthRow_->pos()));

    // The value line: digits, points and unit, placed next to each other as
    // they are shown (placeValueLines); the points in the digits' font stand on
    // their baseline.
    Label2[0] = label(p, "Label2[0]", "Valeur:", twRect(120, 1860, 660, 300));
    const struct {
        QLabel** lbl;
        const char* id;
        const char* text;
    } value[] = {
        {K(val_lbl[0]), "0"}, {K(val_lbl[1]), "0"}, {K(val_lbl[2]), "0"},
        {K(val_lbl[5]), "."}, {K(val_lbl[3]), "."}, {K(val_lbl[4]), "."},
    };
    for (const auto& v : value)
        *v.lbl = label(p, v.id, v.text, twRect(kValueLeft, 1830, 195, 360), digitLook());
    Label4 = label(p, "Label4", "Ohms", twRect(1590, 1830, 1320, 360), Look{12, true});

    Label5 = label(p, "Label5", "(+/-", twRect(120, 2280, 360, 300));
    tol_lbl = label(p, "tol_lbl", "5", twRect(480, 2280, 390, 300),
                    Look{0, false, false, {}, Qt::AlignCenter});
    Label6 = label(p, "Label6", "%)", twRect(870, 2280, 300, 300));
    tc_lbl = label(p, "tc_lbl", "100 ppm/K", twRect(1290, 2280, 1200, 300));
}

void ResisTab::placeDrawing(bool sixBands) {
    const int shift = sixBands ? -kSixBandsWider / 2 : 0;
    const int left = kBodyLeft + shift, right = kBodyLeft + kBodyWidth - shift;
    const int leadY = kBodyTop + kBodyHeight / 2;
    Shape1->setGeometry(twRect(left, kBodyTop, right - left, kBodyHeight));
    LineN[3]->setEnds({left - kLeadLength, leadY}, {left, leadY});
    LineN[1]->setEnds({right, leadY}, {right + kLeadLength, leadY});
    Shape* const bands[] = {Shape2, Shape3, Shape4, Shape5, Shape6, Shape10};
    for (int k = 0; k < int(std::size(bands)); ++k) {
        const BandPlace& at = kBandPlaces[k];
        bands[k]->setGeometry(twRect(at.bandLeft + shift, kBodyTop, kBandWidth, kBodyHeight));
        const bool above = at.listTop < kBodyTop;
        const int from = at.bandLeft + shift + kBandWidth / 2, to = at.listLeft + 150;
        const int body = above ? kBodyTop : kBodyTop + kBodyHeight;
        const int listEdge = above ? at.listTop + 315 : at.listTop;
        LineN[4 + 3 * k]->setEnds({from, body}, {from, at.across});
        LineN[5 + 3 * k]->setEnds({from, at.across}, {to, at.across});
        LineN[6 + 3 * k]->setEnds({to, at.across}, {to, listEdge});
    }
}

// The SMD panel covers the drawing and the band lists.
void ResisTab::buildSmd(QWidget* p) {
    Picture5 = panel(p, "Picture5", twRect(0, 450, 5055, 1350));
    Picture5->setAutoFillBackground(true);
    const struct {
        QLabel** lbl;
        const char* lblId;
        const char* caption;
        QLineEdit** field;
        const char* fieldId;
        int y;
    } smd[] = {
        {K(Label7[0]), "1er chiffre:", K(cms1), 45},
        {K(Label7[2]), "2ième chiffre:", K(cms2), 375},
        {K(Label7[1]), "3ième chiffre:", K(cms3), 705},
        {K(Label7[3]), "4ième chiffre:", K(cms4), 1035},
    };
    for (const auto& s : smd) {
        *s.lbl = label(Picture5, s.lblId, s.caption, twRect(120, s.y, 1140, 285));
        *s.field = input(Picture5, s.fieldId, QString(), twRect(1320, s.y, 360, 285));
        (*s.field)->setAlignment(Qt::AlignCenter);
    }
    Shape8 = shape(Picture5, "Shape8", twRect(2400, 330, 240, 660), QColor(192, 192, 192));
    Shape7 = shape(Picture5, "Shape7", twRect(2625, 330, 1230, 660), Qt::black);
    Shape9 = shape(Picture5, "Shape9", twRect(3840, 330, 240, 660), QColor(192, 192, 192));
    Label3 = label(Picture5, "Label3", "123", twRect(2640, 360, 1200, 600),
                   Look{18, false, false, Qt::white, Qt::AlignCenter});
    Line2[6] = line(Picture5, "Line2[6]", 1740, 660, 2100, 660);
    Line2[7] = line(Picture5, "Line2[7]", 2100, 660, 2400, 660);

    // An empty panel that covers the tolerance line in the SMD mode.
    Picture6 = panel(p, "Picture6", twRect(0, 2220, 5055, 1515));
    Picture6->setAutoFillBackground(true);
    cms_lbl = label(Picture6, "cms_lbl", QString(), twRect(120, 60, 4815, 300));
}

// The finder panel covers the value and tolerance lines.
void ResisTab::buildFinder(QWidget* p) {
    QWidget* d = Determiner = panel(p, "Determiner", twRect(0, 1800, 5055, 1935));
    d->setAutoFillBackground(true);
    Label2[1] = label(d, "Label2[1]", "Valeur:", twRect(120, 30, 600, 255));
    Combo8 = list(d, "Combo8", twRect(720, 0, 495, 315));
    Combo9 = list(d, "Combo9", twRect(1440, 0, 495, 315));
    Combo10 = list(d, "Combo10", twRect(2160, 0, 495, 315));
    Check1 = checkBox(d, "Check1", "Off", twRect(2160, 330, 615, 255));
    Combo11 = list(d, "Combo11", twRect(3120, 0, 855, 315));
    Combo12 = list(d, "Combo12", twRect(3990, 0, 930, 315));
    Label1[2] = label(d, "Label1[2]", "Décade:", twRect(120, 510, 720, 255));
    Combo7[1] = list(d, "Combo7[1]", twRect(840, 480, 855, 315));

    Label2[2] = label(d, "Label2[2]", "Valeurs standardisées:", twRect(120, 840, 1695, 285));
    Look std;
    std.align = Qt::AlignCenter;
    valst_txt[0] = input(d, "valst_txt[0]", "x", twRect(1815, 840, 645, 285));
    valst_txt[1] = input(d, "valst_txt[1]", "x", twRect(4290, 840, 645, 285));
    for (QLineEdit* v : valst_txt) {
        v->setAlignment(Qt::AlignCenter);
        v->setReadOnly(true);
        v->setFocusPolicy(Qt::ClickFocus);
        showBeginning(v); // results too: a long one shows how it begins
    }
    Label2[3] = label(d, "Label2[3]", "<", twRect(2460, 840, 135, 285), std);
    Resok_sh = shape(d, "Resok_sh", twRect(2610, 795, 855, 375), Qt::transparent, Qt::black, 2);
    // The finder's value, placed like the value line.
    for (int i = 0; i < 3; ++i) {
        const QByteArray id = "Label8[" + QByteArray::number(i) + "]";
        Label8[i] = label(d, id.constData(), "8", twRect(kFinderLeft, 840, 195, 285), digitLook());
    }
    for (int i = 0; i < 2; ++i) {
        const QByteArray id = "Label9[" + QByteArray::number(i) + "]";
        Label9[i] = label(d, id.constData(), ".", twRect(kFinderLeft, 840, 135, 285), digitLook());
        Label9[i]->hide();
    }
    Label11 = label(d, "Label11", "kOhms", twRect(3495, 840, 630, 285));
    Label2[4] = label(d, "Label2[4]", "<", twRect(4155, 840, 135, 285), std);

    // Under the neighbours, the SMD markings of the value.
    Label2[5] = label(d, "Label2[5]", "CMS:", twRect(120, 1290, 600, 285));
    cmsmark_txt = input(d, "cmsmark_txt", QString(), twRect(720, 1290, 2745, 285));
    cmsmark_txt->setAlignment(Qt::AlignCenter);
    cmsmark_txt->setReadOnly(true);
    cmsmark_txt->setFocusPolicy(Qt::ClickFocus);
    showBeginning(cmsmark_txt);

    const int bracket[6][4] = {
        {2047, 315, 2047, 690}, {2047, 690, 2790, 690}, {2790, 690, 2790, 795},
        {3547, 315, 3547, 690}, {3547, 690, 3330, 690}, {3330, 690, 3330, 795},
    };
    for (int i = 0; i < 6; ++i) {
        const QByteArray id = "Line2[" + QByteArray::number(i) + "]";
        Line2[i] =
            line(d, id.constData(), bracket[i][0], bracket[i][1], bracket[i][2], bracket[i][3]);
    }
}

void ResisTab::start() {
    for (int k = 3; k <= 5; ++k) val_lbl[k]->hide();
    for (QLineEdit* f : {cms1, cms2, cms3, cms4}) f->setMaxLength(1);
}

void ResisTab::fillBandLists() {
    using namespace codes;
    kit::fill(Combo1, modeItems(), int(Mode::Finder));
    kit::fill(Combo2, digitItems(true), 0);
    kit::fill(Combo3, digitItems(false), 0);
    kit::fill(Combo4, digitItems(false), 0);
    kit::fill(Combo5, toleranceItems(), 1);        // "Or"
    kit::fill(Combo6, multiplierItems(), 2);       // "Noir"
    kit::fill(Combo13, tempCoefficientItems(), 1); // "Marron"
}

void ResisTab::fillFinderLists() {
    QStringList digits;
    for (int d = 0; d <= 9; ++d) digits << QString::number(d);
    kit::fill(Combo7[1], codes::seriesItems(series::List::Finder), 2); // E24
    kit::fill(Combo8, digits.mid(1), 0);
    kit::fill(Combo9, digits, 0);
    kit::fill(Combo10, digits, 0);
    kit::fill(Combo11, codes::finderMultiplierItems(), 2); // x1
    kit::fill(Combo12, codes::finderToleranceItems(), 2);  // 5%
}

QList<QWidget*> ResisTab::focusChain() const {
    return {Combo1, Combo2, Combo3, Combo4, Combo6,  Combo5, Combo13, cms1,    cms2,
            cms3,   cms4,   Combo8, Combo9, Combo10, Check1, Combo11, Combo12, Combo7[1]};
}
