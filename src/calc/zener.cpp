// Zener regulator ("Zener" tab): the ideal series resistor, the E24 value just
// below it, and the current that value lets through, rated by three lamps.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "calc/steps.h"
#include "window/base.h"

using namespace calc;

namespace {
// The E24 values of one decade, in ohms.
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
// The proposals cover 10 ohms up to 1000 ohms; 1000 stands for (1000, 1100].
constexpr double kLowest = 10, kHighest = 1100;

// The largest E24 value from 10 to 1000 ohms strictly below r, for kLowest < r <= kHighest.
int proposalBelow(double r) {
    int best = 10;
    for (int scale : {1, 10, 100})
        for (int base : kE24)
            if (const int v = base * scale; v <= 1000 && v < r) best = v;
    return best;
}
} // namespace

void Base::zener() {
    // Text28: supply Us, Text27: zener voltage Uz, Text26: wanted current Iw in mA.
    if (leading(Text26) == 0) return;
    const Num ideal =
        rounded((leading(Text28) - leading(Text27)) / (leading(Text26) / 1000), 1);
    // Shown from the value itself: when it overflows, valres may still hold what
    // another tab handed over, which must not appear here.
    write(valres, ideal);
    write(Text25, ideal);
    write(Timg[0], ideal);
    Timg[1]->setNote(Text28->text() + u'V');
    Timg[2]->setNote(Text27->text() + u'V');
    affres();

    // With E24 chosen, the E24 value just below the ideal one; then, proposal or
    // not, the resistance shown is rated against the present Us, Uz and Iw.
    const Num x = inLocale(Text25);
    if (Combo7[0]->currentText() == QStringLiteral("E24") && x) {
        zdofflimit->setVisible(*x < kLowest || *x > kHighest);
        const QString proposal = QString::number(proposalBelow(*x));
        if (*x > kLowest && *x <= kHighest && Valpro_txt->text() != proposal)
            return Valpro_txt->setText(proposal); // its change rates it
    }
    Valpro_txt_Change();
}

// The current that the chosen resistance lets through, and its lamp: green above
// the wanted current, yellow equal, red below.
void Base::Valpro_txt_Change() {
    const Num chosen = inLocale(Valpro_txt);
    if (!chosen) {
        repairToOne(Valpro_txt); // runs this handler again, with 1 ohm
        return;
    }
    if (*chosen == 0) return;
    // The other fields: with the point chosen, read as typed; with the comma,
    // whole, in the user's locale.
    const auto read = pointdec ? leading : inLocale;
    write(Text29, rounded((read(Text28) - read(Text27)) / chosen * 1000, 3));

    const Num current = inLocale(Text29);
    const Num wanted = read(Text26);
    if (!current || !wanted) return;
    zdok->setVisible(*current > *wanted);
    zdm->setVisible(*current == *wanted);
    zdno->setVisible(*current < *wanted);
}

void Base::zdofflimit_Click() { zdofflimit->hide(); }
