// libFuzzer target over the number rules of every field (numbers/numbers.h).
//
// Each input is read three ways:
//  - as doubles, 8 bytes at a time: every finite one is written by the writing
//    rule in an English and a French locale, and the text must read back, by
//    the locale reading, to the same number at 15 significant digits, with only
//    digits, sign, decimal point and exponent in it;
//  - as text (UTF-8, Latin-1 and raw UTF-16): the numeric test must agree with
//    the locale reading, a field reads every text the test accepts as the
//    locale converts it, the leading-number reading never gives NaN, every
//    number read is written and read back as above, and where a text can only
//    mean one number (C-syntax characters, the locale's decimal separator as
//    its point) both readings give it.
// A failed check prints the input's texts and aborts, which libFuzzer records.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numbers/numbers.h"

namespace {

const QLocale& english() {
    static const QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}
const QLocale& french() {
    static const QLocale l(QLocale::French, QLocale::France);
    return l;
}

void check(bool ok, const char* what, const QString& text, double value, const QLocale& locale) {
    if (ok) return;
    std::fprintf(stderr, "numbers_fuzz: %s\n  locale: %s\n  text: \"%s\"\n  value: %.17g (%a)\n",
                 what, qPrintable(locale.name()), text.toUtf8().constData(), value, value);
    std::abort();
}

// The number at 15 significant digits, in one spelling whatever the locale.
std::string fifteenDigits(double v) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, v == 0 ? 0.0 : v, std::chars_format::scientific, 14);
    return std::string(buf, res.ptr);
}

bool onlyOf(const QString& text, const char16_t* allowed) {
    const QString set = QString::fromUtf16(allowed);
    for (QChar c : text)
        if (!set.contains(c)) return false;
    return true;
}

// The writing rule, and the text it writes read back.
void checkWriting(double v, const QLocale& locale) {
    const QString text = numbers::writeNumber(v, locale);
    const QString point = locale.decimalPoint();
    for (QChar c : text) {
        const bool allowed =
            (c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'E' || QString(c) == point;
        check(allowed, "written text holds a character other than digits, sign, point, E", text, v,
              locale);
    }
    check(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) &&
              !text.contains(QStringLiteral("nan"), Qt::CaseInsensitive),
          "written text holds inf or nan", text, v, locale);
    check(!text.contains(locale.groupSeparator()), "written text holds a group separator", text, v,
          locale);
    if (v == 0) check(text == QStringLiteral("0"), "zero not written \"0\"", text, v, locale);

    const int e = int(text.indexOf(u'E'));
    const QString mantissa = e < 0 ? text : text.left(e);
    int significant = 0;
    bool leading = true;
    for (QChar c : mantissa) {
        if (c < u'0' || c > u'9') continue;
        leading = leading && c == u'0';
        if (!leading) ++significant;
    }
    check(significant <= 15, "more than 15 significant digits", text, v, locale);
    if (mantissa.contains(point))
        check(!mantissa.endsWith(u'0') && !mantissa.endsWith(point),
              "trailing zero or point after the decimals", text, v, locale);

    const numbers::Num back = numbers::localeNumber(text, locale);
    check(back.has_value(), "written text does not read back", text, v, locale);
    // Next to the largest double the 15-digit rounding leaves the range; there the
    // text is cut instead, one unit of the 15th digit below.
    const bool cut = !std::isfinite(std::strtod(fifteenDigits(v).c_str(), nullptr));
    check(cut ? std::fabs(*back - v) <= std::fabs(v) * 1e-14
              : fifteenDigits(*back) == fifteenDigits(v),
          "read back as another number", text, v, locale);
    const double m = std::fabs(*back);
    check((e >= 0) == (m >= 1e15 || (m > 0 && m < 1e-4)),
          "exponent form used for the wrong magnitude", text, v, locale);
    // The written text is C syntax with the locale's point: the leading reading sees it whole.
    check(numbers::leadingNumber(text, locale) == *back,
          "leading reading of a written number differs", text, v, locale);
}

void checkText(const QString& text) {
    for (const QLocale* locale : {&english(), &french()}) {
        const double lead = numbers::leadingNumber(text, *locale);
        check(!std::isnan(lead), "leading reading gave NaN", text, lead, *locale);
        if (std::isfinite(lead)) {
            checkWriting(lead, english());
            checkWriting(lead, french());
        }
        const numbers::Num n = numbers::localeNumber(text, *locale);
        check(numbers::isNumeric(text, *locale) == n.has_value(),
              "numeric test and locale reading disagree", text, n.value_or(0), *locale);
        // A field reads what the numeric test accepts as the locale converts it,
        // anything else by the leading reading.
        const double field = numbers::fieldNumber(text, *locale);
        const double meant = n ? *n : lead;
        check(field == meant && std::signbit(field) == std::signbit(meant),
              "field reading is neither the locale's nor the leading one", text, field, *locale);
        if (!n) continue;
        check(std::isfinite(*n), "locale reading gave a non-finite number", text, *n, *locale);
        checkWriting(*n, *locale);
    }
    // A text of C-syntax characters only, with the locale's point (blanks around
    // it in English), that the locale reads whole can only mean one number, and
    // the leading reading must find that same number. French has no such text
    // with a blank (a group separator there).
    const struct {
        const QLocale& locale;
        const char16_t* chars;
    } plain[] = {{english(), u"0123456789.+-eE "}, {french(), u"0123456789,+-eE"}};
    for (const auto& [locale, chars] : plain)
        if (onlyOf(text, chars))
            if (const numbers::Num n = numbers::localeNumber(text, locale)) {
                const double lead = numbers::leadingNumber(text, locale);
                check(lead == *n, "leading and locale readings differ", text, lead, locale);
            }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at + 8 <= size && at < 128; at += 8) {
        double d;
        std::memcpy(&d, data + at, 8);
        if (!std::isfinite(d)) continue;
        checkWriting(d, english());
        checkWriting(d, french());
    }
    const char* bytes = reinterpret_cast<const char*>(data);
    const auto n = qsizetype(size);
    checkText(QString::fromUtf8(bytes, n));
    checkText(QString::fromLatin1(bytes, n));
    QString utf16(n / 2, Qt::Uninitialized);
    std::memcpy(utf16.data(), data, std::size_t(n / 2) * 2);
    checkText(utf16);
    return 0;
}
