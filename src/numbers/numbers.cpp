#include "numbers/numbers.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace numbers {

namespace {
// C-form number text to double, whatever LC_NUMERIC the process runs under (Qt
// sets the user's at start). Overflow gives an infinity.
double readC(const std::string& s) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(s.c_str(), nullptr, c);
}
} // namespace

Num finite(double v) { return std::isfinite(v) ? Num(v) : std::nullopt; }

bool isNumeric(const QString& text, const QLocale& locale) {
    return localeNumber(text, locale).has_value();
}

namespace {
// The text without the group separators of its integer part: from its first
// digit up to the first character that is neither a digit nor a separator. A
// text whose first digit follows a decimal point (",5 0") is left as it is.
QString ungrouped(const QString& text, const QLocale& locale) {
    const QString group = locale.groupSeparator();
    const bool blank = group.size() == 1 && group[0].isSpace();
    auto separatorAt = [&](qsizetype k) -> qsizetype { // its length; 0 for none
        if (blank) return QStringView(u" \u00a0\u2009\u202f").contains(text[k]) ? 1 : 0;
        return !group.isEmpty() && QStringView(text).sliced(k).startsWith(group) ? group.size() : 0;
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && !text[i].isDigit()) ++i;
    const qsizetype first = i;
    while (i < n && text[i].isDigit()) ++i;
    if (i == n || !separatorAt(i) || QStringView(text).first(first).contains(locale.decimalPoint()))
        return text; // most texts: nothing to leave out
    QString out = text.left(i);
    while (i < n) {
        if (text[i].isDigit()) {
            out += text[i++];
        } else if (const qsizetype skip = separatorAt(i)) {
            i += skip;
        } else {
            break;
        }
    }
    return out.append(QStringView(text).sliced(i));
}
} // namespace

Num localeNumber(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double v = locale.toDouble(ungrouped(text, locale), &ok);
    if (!ok) return std::nullopt;
    return finite(v);
}

QString pointMeans(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point == u"," && locale.groupSeparator() != u"." ? point : QStringLiteral(".");
}

double fieldNumber(const QString& text, const QLocale& locale) {
    if (const Num whole = localeNumber(text, locale)) return *whole;
    return leadingNumber(text, locale);
}

double leadingNumber(const QString& text, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    std::string s; // the characters of the number, in C form
    int i = 0;
    const int n = int(text.size());
    auto at = [&](int k) { return k < n ? text[k] : QChar(); };
    while (i < n && (at(i) == u' ' || at(i) == u'\t')) ++i;
    if (at(i) == u'+' || at(i) == u'-') s += char(at(i++).unicode());
    auto digits = [&] {
        int count = 0;
        while (at(i).unicode() >= '0' && at(i).unicode() <= '9') {
            s += char(at(i++).unicode());
            ++count;
        }
        return count;
    };
    int mantissa = digits();
    // "." always; the locale's separator too ("," in French). An empty one matches nothing.
    const int pointSize = at(i) == u'.'                                   ? 1
                          : QStringView(text).sliced(i).startsWith(point) ? int(point.size())
                                                                          : 0;
    if (pointSize > 0) {
        s += '.';
        i += pointSize;
        mantissa += digits();
    }
    if (mantissa == 0) return 0;
    if (at(i) == u'e' || at(i) == u'E') {
        const int mark = i;
        const std::size_t keep = s.size();
        s += 'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-') s += char(at(i++).unicode());
        if (digits() == 0) { // "1e" or "1e+": the exponent is not part of the number
            i = mark;
            s.resize(keep);
        }
    }
    return readC(s);
}

double roundTo(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(v * scale) / scale; // the default rounding mode sends halves to even
}

Num roundTo(Num v, int decimals) {
    if (!v) return std::nullopt;
    return finite(roundTo(*v, decimals));
}

QString writeNumber(double v, const QLocale& locale) {
    if (v == 0 || !std::isfinite(v)) return QStringLiteral("0");
    // 15 significant digits in scientific form: d.dddddddddddddde+XX
    std::array<char, 64> buf{};
    auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 14);
    std::string sci(buf.data(), res.ptr);
    if (!std::isfinite(readC(sci))) {
        // Next to the largest double, rounding up to 15 digits leaves the range
        // and the text would not read back: cut the 16-digit form instead.
        res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific,
                            15);
        sci.assign(buf.data(), res.ptr);
        sci.erase(sci.find('e') - 1, 1);
    }
    const bool negative = sci[0] == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t k = negative ? 1 : 0; k < ePos; ++k)
        if (sci[k] != '.') digits += sci[k];
    const int exponent = std::stoi(sci.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    const QString point = locale.decimalPoint();
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -4) {
        out += QChar(digits[0]);
        if (digits.size() > 1) out += point + QString::fromLatin1(digits.substr(1));
        out += QStringLiteral("E") + (exponent < 0 ? u'-' : u'+');
        out += QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else if (exponent < 0) {
        out += QStringLiteral("0") + point + QString(-exponent - 1, u'0') +
               QString::fromLatin1(digits);
    } else {
        const std::size_t whole = std::size_t(exponent) + 1;
        if (digits.size() <= whole) {
            out += QString::fromLatin1(digits) + QString(int(whole - digits.size()), u'0');
        } else {
            out += QString::fromLatin1(digits.substr(0, whole)) + point +
                   QString::fromLatin1(digits.substr(whole));
        }
    }
    return out;
}

} // namespace numbers
