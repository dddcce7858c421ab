// The colour-code finder: a value composed from two or three digits and a
// multiplier, shown as colour bands, as digits with a point and a unit, and
// between its neighbours in the chosen standard series.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "codes/series.h"
#include "window/base.h"
#include "window/numbers.h"

using numbers::writeNumber;

namespace {
// What becomes of the third digit place with two significant digits.
enum class Third {
    Keep,   // three digits: left as the third-digit switch set it
    Hidden, // ab
    Zero,   // ab0
    Shift,  // 0.ab: the digits move one place right behind a leading 0
};

// One row per multiplier, x0.01 to x10M: the points after the first and second
// digit, the unit, and the factor from the digits as a number to the value in
// that unit.
struct Row {
    bool point0, point1;
    const char* unit;
    Third third;
    double factor;
};

constexpr Row kThreeDigits[] = {
    {true, false, "Ohms", Third::Keep, 0.01},   // x0.01: a.bc
    {false, true, "Ohms", Third::Keep, 0.1},    // x0.1:  ab.c
    {false, false, "Ohms", Third::Keep, 1},     // x1:    abc
    {true, false, "kOhms", Third::Keep, 0.01},  // x10
    {false, true, "kOhms", Third::Keep, 0.1},   // x100
    {false, false, "kOhms", Third::Keep, 1},    // x1k
    {true, false, "MOhms", Third::Keep, 0.01},  // x10k
    {false, true, "MOhms", Third::Keep, 0.1},   // x100k
    {false, false, "MOhms", Third::Keep, 1},    // x1M
    {true, false, "G.Ohms", Third::Keep, 0.01}, // x10M
};

constexpr Row kTwoDigits[] = {
    {true, false, "Ohms", Third::Shift, 0.01},  // x0.01: 0.ab
    {true, false, "Ohms", Third::Hidden, 0.1},  // x0.1:  a.b
    {false, false, "Ohms", Third::Hidden, 1},   // x1:    ab
    {false, false, "Ohms", Third::Zero, 10},    // x10:   ab0
    {true, false, "kOhms", Third::Hidden, 0.1}, // x100
    {false, false, "kOhms", Third::Hidden, 1},  // x1k
    {false, false, "kOhms", Third::Zero, 10},   // x10k
    {true, false, "MOhms", Third::Hidden, 0.1}, // x100k
    {false, false, "MOhms", Third::Hidden, 1},  // x1M
    {false, false, "M.Ohms", Third::Zero, 10},  // x10M
};
static_assert(std::size(kThreeDigits) == std::size(kTwoDigits));

const QColor kRed{255, 0, 0};
const QColor kGreen{0, 255, 0};
} // namespace

void Base::Check1_Click() {
    const bool two = Check1->isChecked();
    setTextColour(Combo10, two ? theme::scrollBar() : theme::windowText());
    setLocked(Combo10, two);
    // The third digit and, on the drawing, the third band with its list and leader.
    for (QWidget* w : std::initializer_list<QWidget*>{Label8[2], Shape4, Combo4, LineN[10],
                                                      LineN[11], LineN[12]})
        w->setVisible(!two);
    calculr();
}

void Base::calculr() {
    // An empty list (index -1) enters as -1, as a list with no choice does.
    const int first = Combo8->currentIndex(), second = Combo9->currentIndex(),
              third = Combo10->currentIndex(), factor = Combo11->currentIndex();

    // The same code on the colour bands; their rules draw it.
    setIndex(Combo2, first);
    setIndex(Combo3, second);
    setIndex(Combo4, third);
    setIndex(Combo6, factor);

    const int d[3] = {first + 1, second, third};
    for (int k = 0; k < 3; ++k) Label8[k]->setText(QString::number(d[k]));

    const bool two = Check1->isChecked();
    int value = two ? 10 * d[0] + d[1] : 100 * d[0] + 10 * d[1] + d[2];
    valchif = writeNumber(value);
    const Row* rows = two ? kTwoDigits : kThreeDigits;
    if (factor >= 0 && factor < int(std::size(kTwoDigits))) {
        const Row& r = rows[factor];
        Label9[0]->setVisible(r.point0);
        Label9[1]->setVisible(r.point1);
        Label11->setText(QString::fromLatin1(r.unit));
        switch (r.third) {
        case Third::Keep: break;
        case Third::Hidden: Label8[2]->hide(); break;
        case Third::Zero:
            Label8[2]->setText(QStringLiteral("0"));
            Label8[2]->show();
            break;
        case Third::Shift:
            Label8[2]->setText(Label8[1]->text());
            Label8[1]->setText(Label8[0]->text());
            Label8[0]->setText(QStringLiteral("0"));
            Label8[2]->show();
            break;
        }
        facaff = writeNumber(r.factor);
    }
    placeValueLines();

    // The neighbours in the chosen series, and the frame saying whether the value is one.
    const std::optional<series::Series> s = series::at(Combo7[1]->currentIndex());
    if (!s) return;
    Resok_sh->setBorderColor(kRed);
    numbers::Num f = numbers::localeNumber(facaff);
    if (two) { // the same value with three digits, as the series tables hold them
        value *= 10;
        valchif = writeNumber(value);
        if (f) {
            f = *f / 10;
            facaff = writeNumber(*f);
        }
    }
    const std::optional<series::Neighbours> n = series::voisstd(*s, value);
    if (!n) return;
    if (f) {
        valst_txt[0]->setText(writeNumber(*f * n->lower));
        valst_txt[1]->setText(writeNumber(*f * n->upper));
    }
    if (n->standard) Resok_sh->setBorderColor(kGreen);
}
