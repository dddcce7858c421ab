#include "codes/readers.h"

#include "codes/colours.h"
#include "numbers/numbers.h"

namespace codes {

QStringList seriesItems(series::List list) {
    QStringList items;
    for (series::Series s : series::listed(list)) items << QString::fromLatin1(series::name(s));
    return items;
}

FinderValue finderLine(const Marking& m, std::optional<series::Series> s) {
    FinderValue out;
    std::array<int, kPlaces> d{};
    for (int k = 0; k < kPlaces; ++k) d[k] = m.digits[k].value_or(0);
    for (int k = 0; k < kPlaces; ++k) out.digits[k] = QString::number(d[k]);
    const bool two = m.count == 2;
    int value = two ? 10 * d[0] + d[1] : 100 * d[0] + 10 * d[1] + d[2];
    double scale = 1;
    if (m.exponent) {
        const Spelling sp = spell(m.count, *m.exponent);
        static const char* const prefixes[] = {"", "k", "M", "G"};
        out.unit = QString::fromLatin1(prefixes[sp.thousands]) +
                   (*m.exponent == kFinderHighestExponent ? "." : "") + QStringLiteral("Ohms");
        // No place before the first digit: a leading 0 takes the digits' places.
        const bool shift = sp.point == 0;
        if (shift) out.digits = {QStringLiteral("0"), out.digits[0], out.digits[1]};
        const int point = shift ? 1 : sp.point;
        out.point0 = point == 1;
        out.point1 = point == 2;
        if (two) { // three digits: the third place is shown by the digit count
            if (sp.places > 2 && !shift) out.digits[2] = QStringLiteral("0");
            out.third = shift || sp.places > 2;
        }
        scale = sp.scale;
    }
    if (!s) return out;
    out.standard = false;
    if (two) { // the same value with three digits, as the series tables hold them
        value *= 10;
        scale /= 10;
    }
    const std::optional<series::Neighbours> n = series::voisstd(*s, value);
    if (!n) return out;
    out.lower = numbers::writeNumber(scale * n->lower);
    out.upper = numbers::writeNumber(scale * n->upper);
    out.standard = n->standard;
    return out;
}

} // namespace codes
