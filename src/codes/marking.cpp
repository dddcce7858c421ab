#include "codes/marking.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "codes/colours.h"
#include "numbers/numbers.h"

namespace codes {

namespace {
bool isDigit(std::optional<int> d) { return d && *d >= 0 && *d <= 9; }

// The digit band lists: the first one starts at "Marron" (1), the others at "Noir".
int firstItem(Band band) { return band == Band::First ? 1 : 0; }
int place(Band band) { return int(band); } // First, Second, Third: 0, 1, 2

double powerOfTen(int k) {
    double p = 1;
    for (int i = 0; i < std::abs(k); ++i) p *= 10;
    return k < 0 ? 1 / p : p;
}
} // namespace

bool holdsDigit(const QString& field) {
    return field.size() == 1 && field[0] >= u'0' && field[0] <= u'9';
}

std::optional<Marking> withBand(Marking m, Band band, int item) {
    switch (band) {
    case Band::First:
    case Band::Second:
    case Band::Third: {
        const BandColour* c = digitAt(item, band == Band::First);
        if (!c) return std::nullopt;
        m.digits[place(band)] = c->digit;
        return m;
    }
    case Band::Multiplier:
        if (!multiplierAt(item)) return std::nullopt;
        m.exponent = item + kLowestExponent;
        return m;
    case Band::Tolerance:
        if (!toleranceAt(item)) return std::nullopt;
        m.tolerance = item;
        return m;
    case Band::TempCoefficient:
        if (!tempCoefficientAt(item)) return std::nullopt;
        m.tempCoefficient = item;
        return m;
    }
    return std::nullopt;
}

Marking fromSmd(const std::array<QString, 3>& fields, int changed) {
    Marking m;
    const bool whole = std::ranges::all_of(fields, holdsDigit);
    for (int k = 0; k < 3; ++k) {
        if (!(whole || (k == changed && holdsDigit(fields[k])))) continue;
        const int d = fields[k][0].unicode() - u'0';
        (k < 2 ? m.digits[k] : m.exponent) = d; // the third character counts the zeros
    }
    return m;
}

Marking fromFinder(int first, int second, int third, int multiplier, bool twoDigits) {
    Marking m;
    m.digits = {first + 1, second, third};
    m.count = twoDigits ? 2 : 3;
    if (multiplier >= 0 && multiplier <= kFinderHighestExponent - kLowestExponent)
        m.exponent = multiplier + kLowestExponent;
    return m;
}

std::optional<Marking> fromResistance(double ohms) {
    // The digits come from the value as the writing rule spells it, which in
    // the range shown has no sign, no exponent and no group separator: from
    // 0.1 (a first decimal that is not 0) to ten digits before the point.
    if (!std::isfinite(ohms)) return std::nullopt;
    const QLocale locale;
    const QString text = numbers::writeNumber(ohms, locale);
    const QString point = locale.decimalPoint();
    const QString whole = text.section(point, 0, 0), fraction = text.section(point, 1);
    if (text.startsWith(u'-') || text.contains(locale.exponential()) || whole.size() > 10)
        return std::nullopt;
    if (whole == QLatin1String("0") && (fraction.isEmpty() || fraction[0] == u'0'))
        return std::nullopt;

    // The significant digits: the number without its point and leading zeros
    // ("0,47" gives 47), completed with zeros ("4" gives 400); further digits
    // are dropped. The power of ten of the first one: 1380 gives 3, 0,47 gives -1.
    const int power = whole == QLatin1String("0") ? -1 : int(whole.size()) - 1;
    QString digits = whole + fraction;
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    digits = digits.left(kPlaces).leftJustified(kPlaces, u'0');
    Marking m;
    for (int k = 0; k < kPlaces; ++k) {
        if (digits[k] < u'0' || digits[k] > u'9') return std::nullopt;
        m.digits[k] = digits[k].unicode() - u'0';
    }
    if (m.digits[0] == 0) return std::nullopt;
    // Below 100 ohms a third digit 0 is not shown: 4.7, 47, 0.47 keep two digits,
    // 4.75 and 47.5 three. From 100 ohms on, always three.
    if (power < 0 || (power < 2 && m.digits[2] == 0)) {
        m.count = 2;
        m.digits[2].reset();
    } else {
        m.count = 3;
    }
    m.exponent = power - (m.count - 1);
    return m;
}

Marking readOnto(Marking shown, const Marking& reading) {
    for (int k = 0; k < kPlaces; ++k)
        if (reading.digits[k]) shown.digits[k] = reading.digits[k];
    if (!reading.exponent) return shown;
    shown.exponent = reading.exponent;
    shown.count = reading.count;
    const Spelling s = spell(shown.count, *shown.exponent);
    for (int k = shown.count; k < std::min(s.places, kPlaces); ++k) shown.digits[k] = 0;
    return shown;
}

Marking asBands(const Marking& m, const Marking& drawn) {
    Marking out = drawn;
    out.digits = {};
    out.exponent.reset();
    out.count = m.count;
    for (Band b : {Band::First, Band::Second, Band::Third})
        if (bandColour(m, b)) out.digits[place(b)] = m.digits[place(b)];
    if (bandColour(m, Band::Multiplier)) out.exponent = m.exponent;
    return out;
}

int bandItem(const Marking& m, Band band) {
    switch (band) {
    case Band::First:
    case Band::Second:
    case Band::Third: {
        const std::optional<int> d = m.digits[place(band)];
        return isDigit(d) && *d >= firstItem(band) ? *d - firstItem(band) : -1;
    }
    case Band::Multiplier:
        return m.exponent && multiplierAt(*m.exponent - kLowestExponent)
                   ? *m.exponent - kLowestExponent
                   : -1;
    case Band::Tolerance: return m.tolerance && toleranceAt(*m.tolerance) ? *m.tolerance : -1;
    case Band::TempCoefficient:
        return m.tempCoefficient && tempCoefficientAt(*m.tempCoefficient) ? *m.tempCoefficient : -1;
    }
    return -1;
}

const BandColour* bandColour(const Marking& m, Band band) {
    const int item = bandItem(m, band);
    switch (band) {
    case Band::First:
    case Band::Second:
    case Band::Third: return digitAt(item, band == Band::First);
    case Band::Multiplier: return multiplierAt(item);
    case Band::Tolerance: return item >= 0 ? toleranceAt(item)->colour : nullptr;
    case Band::TempCoefficient: return item >= 0 ? tempCoefficientAt(item)->colour : nullptr;
    }
    return nullptr;
}

FinderItems finderItems(const Marking& m) {
    const auto item = [&](int k, int first) { return m.digits[k] ? *m.digits[k] - first : -1; };
    FinderItems out{item(0, 1), item(1, 0), std::nullopt, -1, m.count == 2};
    if (m.digits[2]) out.third = *m.digits[2];
    if (m.exponent) out.multiplier = *m.exponent - kLowestExponent;
    return out;
}

Spelling spell(int count, int exponent) {
    const int first = exponent + count - 1; // the power of ten of the first digit
    Spelling s{};
    s.thousands = std::clamp(first < 0 ? 0 : first / 3, 0, 3); // ohms to G ohms
    s.lead = first - 3 * s.thousands;
    s.places = std::max(count, s.lead + 1);
    s.point = s.lead + 1 < count ? std::max(s.lead + 1, 0) : -1;
    s.scale = powerOfTen(exponent - 3 * s.thousands);
    return s;
}

ValueLine valueLine(const Marking& m) {
    ValueLine line{};
    for (int k = 0; k < kPlaces; ++k)
        if (m.digits[k]) line.digits[k] = QString::number(*m.digits[k]);
    line.point = -1;
    if (!m.exponent) return line;
    const Spelling s = spell(m.count, *m.exponent);
    static const char* const prefixes[] = {"", "k ", "M ", "G "};
    line.third = s.places > 2;
    line.point = s.point;
    // Below 0.1 ohm the zeros after the point stand before the digits: 0.047.
    line.pointText =
        s.lead < -1 ? QStringLiteral("0.") + QString(-s.lead - 1, u'0') : QStringLiteral(".");
    if (s.places < 2) line.digits[1].clear(); // a one-digit value ("R01")
    line.unit = QString::fromLatin1(prefixes[s.thousands]) + QStringLiteral("Ohms");
    return line;
}

std::optional<QString> toleranceText(const Marking& m) {
    const Tolerance* t = m.tolerance ? toleranceAt(*m.tolerance) : nullptr;
    if (!t) return std::nullopt;
    return QString::fromLatin1(t->percent);
}

std::optional<QString> tempCoefficientText(const Marking& m) {
    const TempCoefficient* t = m.tempCoefficient ? tempCoefficientAt(*m.tempCoefficient) : nullptr;
    if (!t) return std::nullopt;
    return QString::number(t->ppm) + QStringLiteral(" ppm/K");
}

std::optional<int> finderTolerance(int finderItem) {
    const int band = toleranceBandIndex(finderItem);
    if (band < 0) return std::nullopt;
    return band;
}

} // namespace codes
