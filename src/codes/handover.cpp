// The hand-over: a resistance computed on another tab (valres, in ohms, in the
// user's locale) preset on the colour-code finder as digits and a multiplier.

#include <QCheckBox>
#include <QComboBox>

#include "window/base.h"
#include "window/numbers.h"

namespace {
// The values the finder can show, each with its multiplier (an index of the
// multiplier list) and the number of significant digits kept. Further digits
// are dropped: 47.5 shows as 47.
struct Range {
    double from, to; // from <= x < to
    int multiplier;
    int digits;
};
constexpr Range kRanges[] = {
    {100, 1000, 2, 3}, // x1:    abc
    {10, 100, 2, 2},   // x1:    ab
    {1, 10, 1, 2},     // x0.1:  a.b
    {0.1, 1, 0, 2},    // x0.01: 0.ab
};
} // namespace

void Base::affres() {
    const numbers::Num read = numbers::localeNumber(valres);
    if (!read) return;
    // The digits come from the value as the writing rule spells it, so that
    // blanks, a sign, an exponent or leading zeros in the text do not matter.
    const QString text = numbers::writeNumber(*read);
    const numbers::Num x = numbers::localeNumber(text);
    if (!x) return;
    const Range* range = nullptr;
    for (const Range& r : kRanges)
        if (*x >= r.from && *x < r.to) {
            range = &r;
            break;
        }
    if (!range) return; // below 0.1 or from 1000 on: the finder keeps what it shows

    // The significant digits: the number without its point and leading zeros
    // ("0,47" gives 47), completed with zeros ("4" gives 40).
    QString digits = text;
    digits.remove(QLocale().decimalPoint());
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    digits = digits.left(range->digits).leftJustified(range->digits, u'0');
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return;
    std::uint8_t* chif[3] = {&chif1, &chif2, &chif3};
    for (int k = 0; k < range->digits; ++k) *chif[k] = std::uint8_t(digits[k].unicode() - u'0');
    if (chif1 == 0) return;

    setIndex(Combo1, 0); // the finder's mode
    setIndex(Combo11, range->multiplier);
    Check1->setChecked(range->digits == 2);
    setIndex(Combo8, chif1 - 1);
    setIndex(Combo9, chif2);
    if (range->digits == 3) setIndex(Combo10, chif3);
}
