// The hand-over: a resistance computed on another tab (valres, in ohms, in the
// user's locale) preset on the colour-code finder as digits and a multiplier.

#include <QCheckBox>
#include <QComboBox>

#include "window/base.h"
#include "window/numbers.h"

namespace {
// The values the finder can show: from 0.1 ohm up to the three digits of its
// largest multiplier, 999 x10M.
constexpr double kSmallest = 0.1, kBeyond = 1e10;
} // namespace

void Base::affres() {
    const numbers::Num read = numbers::localeNumber(valres);
    if (!read) return;
    // The digits come from the value as the writing rule spells it, so that
    // blanks, a sign, an exponent or leading zeros in the text do not matter.
    // In the range shown the writing rule uses no exponent.
    const QString text = numbers::writeNumber(*read);
    const numbers::Num x = numbers::localeNumber(text);
    if (!x || !(*x >= kSmallest && *x < kBeyond)) return; // the finder keeps what it shows

    // The significant digits: the number without its point and leading zeros
    // ("0,47" gives 47), completed with zeros ("4" gives 400); further digits
    // are dropped. The power of ten of the first one: 1380 gives 3, 0,47 gives -1.
    const QString point = QLocale().decimalPoint();
    const int power = *x < 1 ? -1 : int(text.section(point, 0, 0).size()) - 1;
    QString digits = text;
    digits.remove(point);
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    digits = digits.left(3).leftJustified(3, u'0');
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return;
    // Below 100 ohms a third digit 0 is not shown: 4.7, 47, 0.47 keep two digits,
    // 4.75 and 47.5 three. From 100 ohms on, always three.
    const bool two = power < 0 || (power < 2 && digits[2] == u'0');
    const int digitCount = two ? 2 : 3;
    std::uint8_t* chif[3] = {&chif1, &chif2, &chif3};
    for (int k = 0; k < digitCount; ++k) *chif[k] = std::uint8_t(digits[k].unicode() - u'0');
    if (chif1 == 0) return;

    setIndex(Combo1, 0); // the finder's mode
    setIndex(Combo11, two ? power + 1 : power); // x0.01 is index 0
    Check1->setChecked(two);
    setIndex(Combo8, chif1 - 1);
    setIndex(Combo9, chif2);
    if (!two) setIndex(Combo10, chif3);
}
