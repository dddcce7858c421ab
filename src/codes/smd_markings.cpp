#include "codes/smd_markings.h"

#include <QStringList>

#include "codes/eia96.h"

namespace codes {

namespace {
// Beyond ten to these powers, no marking of three or four characters.
constexpr int kPowers = 12;

// A value as its significant digits, without trailing zeros, times ten to a power.
struct Value {
    long long digits;
    int exponent;
    int count; // how many digits
};

// The marking of `width` characters: width - 1 digits and the number of
// zeros, or below ten to the width - 2 ohms the value written with "R" as its
// point, without the 0 before it and with zeros after it to fill the width
// ("R047", "1R00"). Empty where the value needs more digits or characters.
QString digitMarking(const Value& v, int width) {
    const int places = width - 1;
    if (v.count > places) return {};
    const QString digits = QString::number(v.digits);
    const int zeros = v.exponent - (places - v.count); // with the digits padded to `places`
    if (zeros >= 0)
        return zeros <= 9 ? digits + QString(places - v.count, u'0') + QString::number(zeros)
                          : QString();
    const int whole = v.count + v.exponent; // digits before the point
    const QString r = whole <= 0         ? u'R' + QString(-whole, u'0') + digits
                      : whole >= v.count ? digits + QString(whole - v.count, u'0') + u'R'
                                         : digits.left(whole) + u'R' + digits.mid(whole);
    return r.size() <= width ? r.leftJustified(width, u'0') : QString();
}

// The EIA-96 code: the E96 value's number, 01 to 96, and the letter of its power of ten.
QString eiaMarking(const Value& v) {
    if (v.count > 3) return {};
    long long three = v.digits;
    for (int k = v.count; k < 3; ++k) three *= 10;
    const std::optional<int> code = eia96::code(int(three));
    const std::optional<char> letter = eia96::letter(v.exponent - (3 - v.count));
    if (!code || !letter) return {};
    return QStringLiteral("%1").arg(*code, 2, 10, QChar(u'0')) + QChar::fromLatin1(*letter);
}
} // namespace

QString smdMarkings(long long digits, int exponent) {
    if (digits <= 0) return {};
    long long power = exponent;
    for (; digits % 10 == 0; digits /= 10) ++power;
    if (power < -kPowers || power > kPowers) return {}; // no marking reaches it
    Value v{digits, int(power), 0};
    for (long long d = digits; d > 0; d /= 10) ++v.count;
    QStringList found{digitMarking(v, 3), digitMarking(v, 4), eiaMarking(v)};
    found.removeAll(QString());
    return found.join(QStringLiteral(" / "));
}

QString smdMarkings(const Marking& m) {
    if (!m.exponent || m.count < 1 || m.count > kPlaces) return {};
    long long digits = 0;
    for (int k = 0; k < m.count; ++k) {
        if (!m.digits[k] || *m.digits[k] < 0 || *m.digits[k] > 9) return {};
        digits = 10 * digits + *m.digits[k];
    }
    return smdMarkings(digits, *m.exponent);
}

} // namespace codes
