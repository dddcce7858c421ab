#include "codes/readers.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "numbers/numbers.h"

namespace codes {

ValueMarks valueMarks(const Multiplier& m, bool fiveBands) {
    const Point p = fiveBands ? m.fivePoint : m.point;
    return {p == Point::BeforeFirst, p == Point::AfterFirst,
            p == Point::AfterSecond, fiveBands || m.zero,
            !fiveBands && m.zero,    QString::fromLatin1(fiveBands ? m.fiveUnit : m.unit)};
}

bool holdsDigit(const QString& field) {
    return field.size() == 1 && field[0] >= u'0' && field[0] <= u'9';
}

SmdReading readSmd(const std::array<QString, 3>& fields, int changed) {
    SmdReading out;
    const bool whole = std::ranges::all_of(fields, holdsDigit);
    for (int k = 0; k < 3; ++k) {
        if (!(whole || (k == changed && holdsDigit(fields[k])))) continue;
        const int d = fields[k][0].unicode() - u'0';
        if (k == 0) out.first = d;
        if (k == 1) out.second = d;
        if (k == 2) out.zeros = smdMultiplier(d);
    }
    return out;
}

QStringList seriesItems() { return {"E24", "E48", "E96"}; }

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

// The values the finder can show: from 0.1 ohm up to the three digits of its
// largest multiplier, 999 x10M.
constexpr double kSmallest = 0.1, kBeyond = 1e10;
} // namespace

FinderValue finderValue(int first, int second, int third, int multiplier, bool twoDigits,
                        std::optional<series::Series> s) {
    FinderValue out;
    const int d[3] = {first + 1, second, third};
    for (int k = 0; k < 3; ++k) out.digits[k] = QString::number(d[k]);
    int value = twoDigits ? 10 * d[0] + d[1] : 100 * d[0] + 10 * d[1] + d[2];
    double factor = 1;
    if (multiplier >= 0 && multiplier < int(std::size(kTwoDigits))) {
        const Row& r = (twoDigits ? kTwoDigits : kThreeDigits)[multiplier];
        out.point0 = r.point0;
        out.point1 = r.point1;
        out.unit = QString::fromLatin1(r.unit);
        switch (r.third) {
        case Third::Keep: break;
        case Third::Hidden: out.third = false; break;
        case Third::Zero:
            out.digits[2] = QStringLiteral("0");
            out.third = true;
            break;
        case Third::Shift:
            out.digits = {QStringLiteral("0"), out.digits[0], out.digits[1]};
            out.third = true;
            break;
        }
        factor = r.factor;
    }
    if (!s) return out;
    out.standard = false;
    if (twoDigits) { // the same value with three digits, as the series tables hold them
        value *= 10;
        factor /= 10;
    }
    const std::optional<series::Neighbours> n = series::voisstd(*s, value);
    if (!n) return out;
    out.lower = numbers::writeNumber(factor * n->lower);
    out.upper = numbers::writeNumber(factor * n->upper);
    out.standard = n->standard;
    return out;
}

std::optional<FinderPreset> handoverPreset(double ohms) {
    // The digits come from the value as the writing rule spells it. In the
    // range shown the writing rule uses no exponent.
    if (!std::isfinite(ohms)) return std::nullopt;
    const QString text = numbers::writeNumber(ohms);
    const numbers::Num x = numbers::localeNumber(text);
    if (!x || !(*x >= kSmallest && *x < kBeyond)) return std::nullopt;

    // The significant digits: the number without its point and leading zeros
    // ("0,47" gives 47), completed with zeros ("4" gives 400); further digits
    // are dropped. The power of ten of the first one: 1380 gives 3, 0,47 gives -1.
    const QString point = QLocale().decimalPoint();
    const int power = *x < 1 ? -1 : int(text.section(point, 0, 0).size()) - 1;
    QString digits = text;
    digits.remove(point);
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    digits = digits.left(3).leftJustified(3, u'0');
    FinderPreset out{};
    for (int k = 0; k < 3; ++k) {
        if (digits[k] < u'0' || digits[k] > u'9') return std::nullopt;
        out.digits[k] = digits[k].unicode() - u'0';
    }
    if (out.digits[0] == 0) return std::nullopt;
    // Below 100 ohms a third digit 0 is not shown: 4.7, 47, 0.47 keep two digits,
    // 4.75 and 47.5 three. From 100 ohms on, always three.
    out.twoDigits = power < 0 || (power < 2 && out.digits[2] == 0);
    out.multiplier = out.twoDigits ? power + 1 : power; // x0.01 is index 0
    return out;
}

} // namespace codes
