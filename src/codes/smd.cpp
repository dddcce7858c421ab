#include "codes/smd.h"

#include <algorithm>

#include "codes/eia96.h"

namespace codes {

namespace {
constexpr char kLetters[] = "ABCDEFHSXYZ"; // the EIA-96 letters the third field takes

int digitOf(QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1; }

// Two digits, then the digits of a whole number: "4702" holds 470 and 2.
Marking ofDigits(const QString& digits, int count, int exponent) {
    Marking m;
    m.count = count;
    for (int k = 0; k < count; ++k) m.digits[k] = digitOf(digits[k]);
    m.exponent = exponent;
    return m;
}

// The E96 value of a two-digit code times the letter's power of ten.
std::optional<Marking> eia96Value(const QString& code, QChar letter) {
    const std::optional<int> v = eia96::value(code.toInt());
    const std::optional<int> e = eia96::exponent(char(letter.toLatin1()));
    if (!v || !e) return std::nullopt;
    return ofDigits(QString::number(*v), 3, *e);
}

// R as the point: the digits written, without the zeros that lead them (one
// kept for a value of 0), times ten to minus the number written after the R.
Marking rPoint(const QString& marking) {
    const int at = int(marking.indexOf(u'R'));
    QString digits = marking;
    digits.remove(at, 1);
    while (digits.size() > 1 && digits[0] == u'0') digits.remove(0, 1);
    return ofDigits(digits, int(digits.size()), at - int(marking.size()) + 1);
}

bool allDigits(const QString& s) {
    return std::ranges::all_of(s, [](QChar c) { return digitOf(c) >= 0; });
}
} // namespace

std::optional<QChar> smdCharacter(const QString& text, int field) {
    if (text.size() != 1) return std::nullopt;
    const QChar c = text[0].toUpper();
    if (digitOf(c) >= 0 || c == u'R') return c;
    if (field == 2 && c.toLatin1() &&
        std::string_view(kLetters).find(c.toLatin1()) != std::string_view::npos)
        return c;
    return std::nullopt;
}

std::optional<SmdReading> readSmd(const SmdFields& fields) {
    const bool four = !fields[3].isEmpty();
    for (int k = 0; k < 3; ++k)
        if (fields[k].size() != 1) return std::nullopt;
    if (four && fields[3].size() != 1) return std::nullopt;
    const QString marking = fields[0] + fields[1] + fields[2] + fields[3];

    if (marking.count(u'R') == 1 && allDigits(QString(marking).remove(u'R'))) {
        SmdReading r{SmdScheme::RPoint, rPoint(marking), std::nullopt};
        if (!four && marking[2] == u'R') r.eia96 = eia96Value(marking.left(2), u'R');
        return r;
    }
    if (allDigits(marking))
        return four ? SmdReading{SmdScheme::FourDigits, ofDigits(marking, 3, digitOf(marking[3])),
                                 std::nullopt}
                    : SmdReading{SmdScheme::ThreeDigits,
                                 fromSmd({fields[0], fields[1], fields[2]}, -1), std::nullopt};
    if (!four && allDigits(marking.left(2)))
        if (const std::optional<Marking> m = eia96Value(marking.left(2), marking[2]))
            return SmdReading{SmdScheme::Eia96, m, std::nullopt};
    return SmdReading{SmdScheme::Unknown, std::nullopt, std::nullopt};
}

QString smdNote(const SmdReading& r) {
    static const char* const names[] = {"3 chiffres", "4 chiffres", "R = virgule", "EIA-96 (1 %)",
                                        "Marquage inconnu"};
    QString note = QString::fromUtf8(names[int(r.scheme)]);
    if (r.eia96) note += QStringLiteral(", ou EIA-96 : ") + valueText(*r.eia96);
    return note;
}

QString valueText(const Marking& m) {
    const ValueLine v = valueLine(m);
    QString out;
    for (int k = 0; k < (v.third ? 3 : 2); ++k)
        out += (v.point == k ? v.pointText : QString()) + v.digits[k];
    return out + u' ' + v.unit;
}

} // namespace codes
