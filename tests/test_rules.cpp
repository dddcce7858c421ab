// The rules as plain functions, without a window: the number rules (numeric
// test, readings, writing, rounding) in a point locale and a comma locale and a
// few others, the calculators, the code readers and the standard series. One
// row an input and everything it must show ("-" a skipped step, "stop" a
// calculator that stops before its first step).

#include <QTest>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include "calc/calculators.h"
#include "codes/colours.h"
#include "codes/readers.h"
#include "codes/series.h"
#include "codes/smd.h"
#include "codes/smd_markings.h"
#include "kit/theme.h"
#include "numbers/numbers.h"

using namespace numbers;

namespace {
using calc::Num;
using series::Series;
QString w(Num v) { return v ? numbers::writeNumber(*v) : QStringLiteral("-"); }
QString w(std::optional<bool> v) { return v ? (*v ? "yes" : "no") : "-"; }
QString w(std::optional<calc::Lamp> v) {
    return v ? QStringList{"red", "yellow", "green"}[int(*v)] : "-";
}
template <class T>
QString w(const std::optional<T>& v) {
    return v ? QString::number(*v) : "-";
}
template <class... T>
QString line(const T&... parts) {
    return QStringList{w(parts)...}.join(' ');
}

// Runs the named calculator on inputs given as numbers ("-": no number).
QString calculate(const QString& in) {
    QStringList args = in.split(' ');
    const QString name = args.takeFirst();
    std::vector<Num> v;
    for (const QString& s : args) v.push_back(s == "-" ? Num() : Num(s.toDouble()));
    const auto show = [](const auto& r, auto... parts) {
        return r ? line((*r).*parts...) : "stop";
    };
    using namespace calc;
    if (name == "ohm")
        return show(ohm(v[0], v[1], v[2]), &Ohm::current, &Ohm::resistance, &Ohm::voltage);
    if (name == "ui" || name == "ri")
        return show((name == "ui" ? powerUI : powerRI)(v[0], v[1], v[2]), &Power::first,
                    &Power::current, &Power::power);
    if (name == "series")
        return show(ledSeries(v[0], v[1], v[2], v[3], v[4]), &LedSeries::resistance,
                    &LedSeries::power, &LedSeries::error);
    if (name == "parallel")
        return show(ledParallel(v[0], v[1], v[2], v[3], v[4]), &LedParallel::resistance,
                    &LedParallel::error);
    if (name.startsWith("zener"))
        return show(zenerIdeal(v[0], v[1], v[2], v[3], name == "zener"), &ZenerIdeal::ideal,
                    &ZenerIdeal::offLimit, &ZenerIdeal::proposal);
    if (name == "rating")
        return show(zenerRating(v[0], v[1], v[2], *v[3], v[4]), &ZenerRating::current,
                    &ZenerRating::lamp);
    return show(transistor(v[0], v[1], v[2]), &Transistor::base, &Transistor::resistance);
}

// A marking as "4 7 _ x2 e-1 t1": its digits (_ for none), digit count,
// exponent and tolerance; "none" for no marking.
QString text(const std::optional<codes::Marking>& m) {
    if (!m) return "none";
    QStringList out;
    for (const auto& d : m->digits) out << (d ? QString::number(*d) : "_");
    return out.join(' ') + QString(" x%1 e").arg(m->count) + w(m->exponent) + " t" +
           w(m->tolerance);
}

// What shows a marking: the value line as it reads, then the five bands' colours.
QString shown(const codes::Marking& m) {
    const codes::ValueLine v = codes::valueLine(m);
    QString out;
    for (int k = 0; k < (v.third ? 3 : 2); ++k)
        out += (v.point == k ? v.pointText : "") + v.digits[k];
    QStringList bands;
    using B = codes::Band;
    for (B b : {B::First, B::Second, B::Third, B::Multiplier, B::Tolerance}) {
        const codes::BandColour* c = codes::bandColour(m, b);
        bands << (c ? c->name : "-");
    }
    return out + ' ' + v.unit + " | " + bands.join(' ');
}

// An input read into a marking: "band 3 0" (a band list's item over 4 7 5
// x1, gold), "smd 4_3 2" (the fields, _ empty, and the one changed), "finder 3
// 7 5 2 two", "ohms 4.7", "onto 9__ 1 2" (digits and exponent read onto 4 7 5).
std::optional<codes::Marking> read(const QStringList& in) {
    const auto n = [&](int i) { return in[i].toInt(); };
    codes::Marking base = codes::fromFinder(3, 7, 5, 2, false);
    base.tolerance = 1;
    if (in[0] == "band") return codes::withBand(base, codes::Band(n(1)), n(2));
    if (in[0] == "finder") return codes::fromFinder(n(1), n(2), n(3), n(4), in[5] == "two");
    if (in[0] == "ohms") return codes::fromResistance(in[1].toDouble());
    std::array<QString, 3> chars;
    for (int k = 0; k < 3; ++k) chars[k] = in[1][k] == '_' ? QString() : QString(in[1][k]);
    if (in[0] == "smd") return codes::fromSmd(chars, n(2));
    codes::Marking reading = codes::fromSmd(chars, 0); // "onto": the first digit only
    reading.exponent = in[2] == "-" ? std::nullopt : std::optional(n(2));
    reading.count = n(3);
    return codes::readOnto(base, reading);
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT
    const QLocale en{QLocale::English, QLocale::UnitedStates};
    const QLocale fr{QLocale::French, QLocale::France};

private slots:
    // Written the English way whatever the locale the suite runs under.
    void init() { QLocale::setDefault(en); }

    // Whether a text is a number ("yy": in English and in French), and the number
    // a calculator reads from it in each: the locale's when the text is one, else
    // the leading number. A row may name another locale than English first.
    void reading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("numeric");
        QTest::addColumn<QString>("first");
        QTest::addColumn<double>("english");
        QTest::addColumn<double>("french");
        // clang-format off
        const struct { const char *text, *numeric; double english, french; const char* first = "en_US"; } rows[] = {
            {"12", "yy", 12, 12},      {"2.5", "yn", 2.5, 2.5},   {"2,5", "yy", 25, 2.5},
            {"12.", "yn", 12, 12},     {" 7 ", "yy", 7, 7},       {"-4", "yy", -4, -4},
            {"+4", "yy", 4, 4},        {".5", "yn", 0.5, 0.5},    {",5", "ny", 0, 0.5},
            {"1e3", "yy", 1000, 1000}, {"15E-1", "yy", 1.5, 1.5}, {"1e", "nn", 1, 1},
            {"2e-", "nn", 2, 2},       {"1,5e3", "yy", 15000, 1500}, {"1.5,2", "nn", 1.5, 1.5},
            {"1e999", "nn", HUGE_VAL, HUGE_VAL}, {"12a5", "nn", 12, 12}, {"", "nn", 0, 0},
            {"-12a5", "nn", -12, -12}, {"+2e-", "nn", 2, 2},
            {"-", "nn", 0, 0}, {".", "nn", 0, 0}, {"nan", "nn", 0, 0}, {"inf", "nn", 0, 0},
            // Group separators, other blanks, the minus sign, other digits.
            {"1 000", "ny", 1, 1000},  {"1\u202f000", "ny", 1, 1000}, {"1,000", "yy", 1000, 1},
            {"\u00a05\r", "yy", 5, 5}, {"\u22125", "yy", -5, -5}, {"1.000", "yn", 1000, 1, "de_DE"},
            {"\u0665\u0660", "yn", 50, 0, "ar_EG"}, {"\u06f5", "yn", 5, 0, "fa_IR"},
        };
        // clang-format on
        for (const auto& r : rows)
            QTest::newRow(r.text) << QString::fromUtf8(r.text) << r.numeric << r.first << r.english
                                  << r.french;
    }
    void reading() {
        QFETCH(QString, text);
        QFETCH(QString, numeric);
        QFETCH(QString, first);
        const QLocale one(first);
        QCOMPARE(QString(isNumeric(text, one) ? "y" : "n") + (isNumeric(text, fr) ? "y" : "n"),
                 numeric);
        QTEST(fieldNumber(text, one), "english");
        QTEST(fieldNumber(text, fr), "french");
    }

    // A number typed as it is written, key by key: every text on the way reads
    // as the field shows it, group separators wherever they stand in the whole
    // part (every blank, in French); elsewhere they make no number (-).
    void typedAsWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // in English, French and German
        // clang-format off
        const char* const rows[][2] = {
            {"1 ", "1 1 1"},         {"1 0", "- 10 -"},       {"1 00", "- 100 -"},     {"1 000", "- 1000 -"},
            {"1\u00a0000", "- 1000 -"}, {"1\u2009000", "- 1000 -"}, {"1\u202f0", "- 10 -"}, {"1\u00a0", "1 1 1"},
            {"1  0 0", "- 100 -"},   {"-1 0,5", "- -10.5 -"}, {"1 0e3", "- 10000 -"},  {"1.", "1 - 1"},
            {"1.0", "1 - 10"},       {"1.00", "1 - 100"},     {"1.000", "1 - 1000"},   {"1,", "1 1 1"},
            {"1,0", "10 1 1"},       {"1,00", "100 1 1"},     {"1,000", "1000 1 1"},   {"1.5,0", "- - 15"},
            // In the decimals, before the first digit, in the exponent: no number.
            {"1,5 0", "- - -"},      {"0,1 0", "- - -"},      {",5", "- 0.5 0.5"},     {".5", "0.5 - -"},
            {",5 0", "- - -"},       {"1e3 0", "- - -"},      {"1e1,0", "- - -"},      {"- 1", "- - -"},
        };
        // clang-format on
        for (auto [text, read] : rows) QTest::newRow(text) << QString::fromUtf8(text) << read;
    }
    void typedAsWritten() {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QStringList seen;
        for (const QLocale& l : {en, fr, QLocale(QLocale::German, QLocale::Germany)}) {
            const Num n = localeNumber(text, l);
            seen << (n ? QString::number(*n) : QStringLiteral("-"));
        }
        QCOMPARE(seen.join(u' '), read);
    }

    // A "." typed or pasted into a field means the decimal comma where it means
    // nothing else: in French, not in German (a group separator) nor in English.
    void pointMeansTheComma() {
        QStringList seen;
        for (const char* name : {"fr_FR", "fr_CA", "de_DE", "it_IT", "en_US", "de_CH"})
            seen << pointMeans(QLocale(name));
        QCOMPARE(seen.join(u' '), ", , . . . .");
    }

    // The process runs under the user's C locale (Qt sets it); a comma there must
    // not change the reading, which knows only the point.
    void leadingReadingIgnoresTheCLocale() {
        bool found = false;
        for (const char* name : {"fr_FR.UTF-8", "de_DE.UTF-8", "fr_FR.utf8", "de_DE.utf8"})
            found = found || std::setlocale(LC_NUMERIC, name);
        if (!found) QSKIP("no comma locale installed on this machine");
        const double value = leadingNumber("2.5", en);
        const QString written = writeNumber(1e300, en);
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(value, 2.5);
        QCOMPARE(written, QStringLiteral("1E+300"));
    }

    void writing_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("french");
        // clang-format off
        const std::tuple<double, const char*, const char*> rows[] = {
            {1000.0, "1000", "1000"},                 {213.3, "213.3", "213,3"},
            {-0.02, "-0.02", "-0,02"},                {-0.0, "0", "0"},
            {0.0001, "0.0001", "0,0001"},             {0.00001, "1E-05", "1E-05"},
            {-0.000015, "-1.5E-05", "-1,5E-05"},      {1e15, "1E+15", "1E+15"},
            {999999999999999.0, "999999999999999", "999999999999999"},
            {999999999999999.9, "1E+15", "1E+15"},    {1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
            {0.1 + 0.2, "0.3", "0,3"},                {4.9e-324, "4.94065645841247E-324", "4,94065645841247E-324"},
            {std::numeric_limits<double>::max(), "1.79769313486231E+308", "1,79769313486231E+308"},
        };
        // No group separator, negative zero, the 1E-4 and 1E15 edges, 15 digits,
        // binary noise hidden, the largest and the tiniest double.
        for (auto [value, english, french] : rows)
            QTest::addRow("%.17g", value) << value << QString(english) << QString(french);
        // clang-format on
    }
    void writing() {
        QFETCH(double, value);
        QFETCH(QString, english);
        QFETCH(QString, french);
        QCOMPARE(writeNumber(value, en), english);
        QCOMPARE(writeNumber(value, fr), french);
        // What is written reads back as the same number (to 15 digits), in both locales.
        const Num back = localeNumber(english, en);
        QVERIFY(back && back == localeNumber(french, fr));
        QVERIFY(value == 0 || std::abs(*back - value) <= std::abs(value) * 1e-14);
    }

    // Halves go to the even neighbour; a step that overflows fails.
    void rounding() {
        const std::tuple<double, int, double> rows[] = {
            {0.125, 2, 0.12}, {0.375, 2, 0.38},     {2.5, 0, 2},           {3.5, 0, 4},
            {-0.5, 0, 0},     {213.3333, 1, 213.3}, {20.90909, 3, 20.909}, {0.001, 2, 0}};
        for (auto [value, decimals, rounded] : rows) QCOMPARE(roundTo(value, decimals), rounded);
        QVERIFY(!roundTo(Num(1e307), 2));
        QVERIFY(!roundTo(Num(), 2));
    }

    void calculators_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        const char* rows[][3] = {
            // clang-format off
            {"ohm, R overflows", "ohm 1e300 1e-10 1", "1E+300 - 0"}, {"ohm, no number", "ohm - 0.123 4.5", "- - 0.55"},
            {"ohm, I zero", "ohm 1 0 5", "stop"}, {"ohm, thirds rounded", "ohm 10 3 1", "10 3.33 3"},
            {"P=UI, U zero", "ui 0 2 6", "stop"}, {"P=RI², two decimals", "ri 1 3 1", "0.11 1 9"},
            {"P=RI², R zero", "ri 0 2 1", "stop"}, {"P=RI², I zero", "ri 4 0 1", "stop"},
            {"P=RI², negative R", "ri -4 2 1", "0.25 - -16"},
            {"series, power from the rounded R", "series 5 1.8 15 1 -", "213.3 0.05 no"},
            {"series, exactly enough", "series 6 2 20 3 -", "0 0 no"}, {"series, no current", "series 12 2 0 3 -", "stop"},
            {"series, R skipped: the shown one", "series 1e308 -1e308 20 1 100", "- 0.04 no"},
            {"parallel, half ohm to even", "parallel 5 2 20 4 -", "38 no"}, {"parallel, no LED", "parallel 5 2 20 0 -", "stop"},
            {"parallel, supply below the LED", "parallel 2 3 20 1 -", "-50 no"}, {"parallel, no current", "parallel 5 2 0 3 -", "stop"},
            {"zener, an E24 value gets the one below", "zener 14.5 5.1 20 -", "470 no 430"},
            {"zener, 10 ohms: no proposal", "zener 5.2 5 20 -", "10 no -"}, {"zener, under 10", "zener 5.1 5 20 -", "5 yes -"},
            {"zener, 1100 ohms", "zener 27 5 20 -", "1100 no 1000"}, {"zener, over 1100", "zener 27.02 5 20 -", "1101 yes -"},
            {"zener, ideal skipped: the shown one", "zener 1e308 -1e308 20 47", "- no 43"},
            {"zener, no current", "zener 12 5 0 -", "stop"}, {"zener above the supply", "zener 12 15 20 -", "-150 yes -"},
            {"rating, less", "rating 12 5.1 21 330 -", "20.909 red"}, {"rating, equal", "rating 12 2 20 500 -", "20 yellow"},
            {"rating, current skipped: the shown one", "rating 1e308 -1e308 5 1 4", "- red"},
            {"rating, no wanted current: no lamp", "rating 12 5.1 - 330 -", "20.909 -"},
            {"rating, 0 ohm", "rating 12 5 20 0 -", "stop"}, {"transistor, no gain", "trans 1 0 5", "stop"},
            {"transistor", "trans 100 100 5", "1 4.4"}, {"transistor, R to two decimals", "trans 300 100 5", "3 1.47"},
            {"transistor, Ub below the junction", "trans 10 50 0.5", "0.2 -0.5"},
            {"transistor, small base current", "trans 1 3000 5", "0 13200"}, {"transistor, no current", "trans 0 100 5", "0 -"},
            // clang-format on
        };
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2];
    }
    void calculators() {
        QFETCH(QString, in);
        QTEST(calculate(in), "out");
    }

    // Contrast as the accessibility guidelines measure it. A colour that reads
    // stays as it is; one that does not is lightened on a dark background and
    // darkened on a light one, in its own hue, just until it does.
    void readableColours() {
        const QColor dark(45, 45, 45), white(Qt::white), green(0, 128, 0), bright(0, 192, 0);
        QCOMPARE(qRound(theme::contrast(green, white) * 100), 514);
        QCOMPARE(theme::readable(green, white), green);
        for (auto [colour, on] : {std::pair{green, dark}, {bright, white}}) {
            const QColor got = theme::readable(colour, on);
            const QColor past = theme::isDark(on) ? got.darker(104) : got.lighter(104);
            QVERIFY2(got.hslHue() == 120 && theme::contrast(got, on) >= 4.5 &&
                         theme::contrast(past, on) < 4.5,
                     qPrintable(got.name()));
        }
    }

    // Each input read into a marking, and what shows it; a resistance is read
    // the same in French.
    void markings_data() {
        QTest::addColumn<QString>("shown");
        const char* rows[][2] = {
            {"band 0 8", "9 7 5 x3 e0 t1: 975 Ohms | Blanc Violet Vert Noir Or"},
            {"band 0 9", "none"}, // no "Noir" on the first band
            {"band 2 0", "4 7 0 x3 e0 t1: 470 Ohms | Jaune Violet Noir Noir Or"},
            {"band 3 0", "4 7 5 x3 e-2 t1: 4.75 Ohms | Jaune Violet Vert Argent Or"},
            {"band 3 11", "4 7 5 x3 e9 t1: 475 G Ohms | Jaune Violet Vert Blanc Or"},
            {"band 3 12", "none"},
            {"band 4 8", "4 7 5 x3 e0 t8: 475 Ohms | Jaune Violet Vert Noir Gris"},
            {"smd 472 -1", "4 7 _ x2 e2 t-: 4.7 k Ohms | Jaune Violet - Rouge -"},
            {"smd 478 2", "4 7 _ x2 e8 t-: 4.7 G Ohms | Jaune Violet - Gris -"},
            {"smd 4_3 2", "_ _ _ x2 e3 t-:  k Ohms | - - - Orange -"},
            {"smd 4_3 0", "4 _ _ x2 e- t-: 4  | Jaune - - - -"},
            {"smd 4x3 1", "_ _ _ x2 e- t-:   | - - - - -"},
            {"finder 3 7 5 4 three", "4 7 5 x3 e2 t-: 47.5 k Ohms | Jaune Violet Vert Rouge -"},
            {"finder 8 0 0 9 two", "9 0 0 x2 e7 t-: 900 M Ohms | Blanc Noir Noir Violet -"},
            {"finder -1 -1 -1 -1 three", "0 -1 -1 x3 e- t-: 0-1  | - - - - -"},
            // A resistance handed over: its first three digits, further ones dropped,
            // two below 100 ohms when the third is 0; none outside 0.1 to 9.99 G ohms.
            {"ohms 0.47", "4 7 _ x2 e-2 t-: .47 Ohms | Jaune Violet - Argent -"},
            {"ohms 1380", "1 3 8 x3 e1 t-: 1.38 k Ohms | Marron Orange Gris Marron -"},
            {"ohms 0.1", "1 0 _ x2 e-2 t-: .10 Ohms | Marron Noir - Argent -"},
            {"ohms 0.999", "9 9 _ x2 e-2 t-: .99 Ohms | Blanc Blanc - Argent -"},
            {"ohms 9.999", "9 9 9 x3 e-2 t-: 9.99 Ohms | Blanc Blanc Blanc Argent -"},
            {"ohms 99.99", "9 9 9 x3 e-1 t-: 99.9 Ohms | Blanc Blanc Blanc Or -"},
            {"ohms 9.99e9", "9 9 9 x3 e7 t-: 9.99 G Ohms | Blanc Blanc Blanc Violet -"},
            {"ohms 0.09", "none"},
            {"ohms 1e10", "none"},
            {"ohms -5", "none"},
            {"ohms 1e300", "none"},
            {"onto ___ 1 2", "4 7 0 x2 e1 t1: 470 Ohms | Jaune Violet Noir Marron Or"},
            {"onto ___ 1 3", "4 7 5 x3 e1 t1: 4.75 k Ohms | Jaune Violet Vert Marron Or"},
            {"onto 9__ - 2", "9 7 5 x3 e0 t1: 975 Ohms | Blanc Violet Vert Noir Or"},
        };
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1];
    }
    void markings() {
        const QStringList in = QString(QTest::currentDataTag()).split(' ');
        const std::optional<codes::Marking> m = read(in);
        QTEST(m ? text(m) + ": " + shown(*m) : "none", "shown");
        QLocale::setDefault(fr); // a resistance's digits read past the French decimal comma too
        if (in[0] == "ohms") QCOMPARE(text(read(in)), text(m));
    }

    // Each of the finder's tolerances is its band's, of its colour; each coefficient
    // band says its ppm/K.
    void tolerancesAndCoefficients() {
        QStringList seen;
        for (int i = 0; i < 9; ++i) {
            codes::Marking m;
            m.tolerance = codes::finderTolerance(i);
            m.tempCoefficient = i;
            seen << *codes::toleranceText(m) + ' ' + codes::toleranceItems()[*m.tolerance] + ' ' +
                        codes::tempCoefficientItems()[i] + ' ' + *codes::tempCoefficientText(m);
        }
        QCOMPARE(seen.join(", "),
                 "20 Noir Noir 250 ppm/K, 10 Argent Marron 100 ppm/K, 5 Or Rouge 50 ppm/K, "
                 "2 Rouge Orange 15 ppm/K, 1 Marron Jaune 25 ppm/K, 0,5 Vert Vert 20 ppm/K, "
                 "0,25 Bleu Bleu 10 ppm/K, 0,1 Violet Violet 5 ppm/K, 0,05 Gris Gris 1 ppm/K");
    }

    // A complete SMD marking read whole ("_" an empty fourth field): the value
    // line and the note, every 4-digit exponent and every EIA-96 letter among
    // them; "-" while incomplete. Then what each field keeps of a typed character.
    void smdMarkingRead() {
        // clang-format off
        const std::pair<const char*, const char*> rows[] = {
            {"3 chiffres", "472_=4.7 k,479_=47 G,000_=00"},
            {"4 chiffres", "1000=100,1001=1.00 k,0000=000,4700=470,4701=4.70 k,4702=47.0 k,4703=470 k,"
                           "4704=4.70 M,4705=47.0 M,4706=470 M,4707=4.70 G,4708=47.0 G,4709=470 G"},
            {"R = virgule", "4R7_=4.7,R47_=.47,1R00=1.00,R047=0.047,R001=0.001,R01_=0.01,0R10=.10,"
                            "100R=100,10R0=10.0,R00_=0.00,00R_=0,97R_=97"},
            {"R = virgule, ou EIA-96 : 3.01 Ohms", "47R_=47"},
            {"EIA-96 (1 %)", "01C_=10.0 k,68B_=4.99 k,96F_=97.6 M,96Z_=.976,01Z_=.100,01Y_=1.00,"
                             "01X_=10.0,01S_=10.0,01A_=100,01B_=1.00 k,01H_=1.00 k,01D_=100 k,"
                             "01E_=1.00 M,01F_=10.0 M"},
            {"Marquage inconnu", "00C_,97A_,R4R_,01C1,4C7_,R4C_"},
            {"-", "47__,4_72"},
        };
        // clang-format on
        for (auto [note, cases] : rows)
            for (const QString& c : QString(cases).split(',')) {
                codes::SmdFields f;
                for (int k = 0; k < 4; ++k) f[k] = c[k] == '_' ? QString() : c.mid(k, 1);
                const std::optional<codes::SmdReading> r = codes::readSmd(f);
                const QString value = c.section('=', 1);
                QCOMPARE(r ? codes::valueText(r->value.value_or(codes::Marking{})) + "; " +
                                 codes::smdNote(*r)
                           : " ; -",
                         (value.isEmpty() ? " " : value + " Ohms") + "; " + note);
            }
        // Digits and R everywhere, typed in either case; the letters in the third field only.
        QString kept;
        for (const char* typed : {"7", "r", "R", "c", "z", "G", "-", "", "47"})
            for (int field = 0; field < 4; ++field)
                kept += codes::smdCharacter(typed, field).value_or(u'.');
        QCOMPARE(kept, "7777RRRRRRRR..C...Z." + QString(16, u'.'));
    }

    // Every multiplier of the finder with two digits (4 7) and three (4 7 5):
    // the value line, the finder's row and its E24 neighbours (x1k and x1M left
    // out: spelled as x1 is, in kOhms and MOhms).
    void everyExponent() {
        // clang-format off
        const std::tuple<int, const char*, const char*> rows[] = {
            {0, ".47 Ohms; 0.47 Ohms 0.43 0.51; R47 / R470", "4.75 Ohms; 4.75 Ohms 4.7 5.1; 4R75 / 66Y"},
            {1, "4.7 Ohms; 4.7 Ohms 4.3 5.1; 4R7 / 4R70", "47.5 Ohms; 47.5 Ohms 47 51; 47R5 / 66X"},
            {2, "47 Ohms; 47 Ohms 43 51; 470 / 47R0", "475 Ohms; 475 Ohms 470 510; 4750 / 66A"},
            {3, "470 Ohms; 470 Ohms 430 510; 471 / 4700", "4.75 k Ohms; 4.75 kOhms 4.7 5.1; 4751 / 66B"},
            {4, "4.7 k Ohms; 4.7 kOhms 4.3 5.1; 472 / 4701", "47.5 k Ohms; 47.5 kOhms 47 51; 4752 / 66C"},
            {6, "470 k Ohms; 470 kOhms 430 510; 474 / 4703", "4.75 M Ohms; 4.75 MOhms 4.7 5.1; 4754 / 66E"},
            {7, "4.7 M Ohms; 4.7 MOhms 4.3 5.1; 475 / 4704", "47.5 M Ohms; 47.5 MOhms 47 51; 4755 / 66F"},
            {9, "470 M Ohms; 470 M.Ohms 430 510; 477 / 4706", "4.75 G Ohms; 4.75 G.Ohms 4.7 5.1; 4757"},
        };
        // clang-format on
        for (auto [m, twoDigits, threeDigits] : rows)
            for (bool two : {true, false}) {
                const codes::Marking mk = codes::fromFinder(3, 7, 5, m, two);
                const codes::FinderValue f = codes::finderLine(mk, Series::E24);
                const QString row = f.digits[0] + (*f.point0 ? "." : "") + f.digits[1] +
                                    (*f.point1 ? "." : "") +
                                    (f.third.value_or(true) ? f.digits[2] : "");
                const QString got = shown(codes::readOnto({}, mk)).section(" |", 0, 0) + "; " +
                                    row + ' ' + *f.unit + ' ' + *f.lower + ' ' + *f.upper + "; " +
                                    codes::smdMarkings(mk);
                QCOMPARE(got, two ? twoDigits : threeDigits);
                QCOMPARE(*f.standard, two); // 47 is an E24 value, 475 is not
            }
        // Empty lists make no value: not one of the series either, and no marking.
        QCOMPARE(codes::finderLine(codes::fromFinder(-1, -1, -1, -1, true), Series::E24).standard,
                 false);
        QCOMPARE(codes::smdMarkings(codes::fromFinder(-1, -1, -1, -1, true)), QString());
        // A value of one digit, as the SMD marking "R01" reads, has its markings too.
        codes::Marking one;
        one.count = 1;
        one.digits[0] = 1;
        one.exponent = -2;
        QCOMPARE(codes::smdMarkings(one), QStringLiteral("R01 / R010"));
    }

    // The SMD markings of a value, however its digits are given; each kind at its edges.
    void smdMarkingsOfValue() {
        // clang-format off
        const std::tuple<long long, int, const char*> rows[] = {
            {47, 2, "472 / 4701"}, {470, 1, "472 / 4701"}, {4700, 0, "472 / 4701"},
            {1, 2, "101 / 1000 / 01A"}, {1, 1, "100 / 10R0 / 01X"}, {1, 0, "1R0 / 1R00 / 01Y"},
            {1, -1, "R10 / R100 / 01Z"}, {5, -2, "R05 / R050"}, {47, -3, "R047"}, {1, -4, ""},
            {976, 5, "9765 / 96F"}, {976, 6, "9766"}, {99, 9, "999 / 9908"}, {1, 10, "109 / 1008"},
            {1, 11, "1009"}, {1, 12, ""}, {1234, 0, ""}, {0, 3, ""},
            {10, std::numeric_limits<int>::max(), ""}, {1, std::numeric_limits<int>::min(), ""},
        };
        // clang-format on
        for (auto [digits, exponent, markings] : rows)
            QCOMPARE(codes::smdMarkings(digits, exponent), QString(markings));
    }

    // E48, E96 and E192 are 100 x 10^(i/n) rounded half up to a whole number,
    // but for E192's 920; E24 keeps its historical values. The zener's list
    // offers three series, the finder's six.
    void seriesTables() {
        const int e24[] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                           330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
        QVERIFY(std::ranges::equal(series::values(Series::E24), e24));
        for (auto [s, n] : {std::pair{Series::E48, 48}, {Series::E96, 96}, {Series::E192, 192}}) {
            std::vector<int> rounded;
            for (int i = 0; i < n; ++i)
                rounded.push_back(int(std::floor(100 * std::pow(10.0, double(i) / n) + 0.5)));
            if (n == 192) rounded[185] = 920;
            QVERIFY(std::ranges::equal(series::values(s), rounded));
        }
        QCOMPARE(codes::seriesItems(series::List::Zener).join(' '), "E24 E48 E96");
        QCOMPARE(codes::seriesItems(series::List::Finder).join(' '), "E6 E12 E24 E48 E96 E192");
    }

    // The neighbours of every whole number from 100 to 999, found by walking the
    // series with its edges; none outside.
    void neighbours() {
        const std::pair<Series, double> edges[] = {{Series::E6, 68},    {Series::E12, 82},
                                                   {Series::E24, 91},   {Series::E48, 95.3},
                                                   {Series::E96, 97.6}, {Series::E192, 98.8}};
        for (auto [s, below] : edges) {
            std::vector<double> walk{below};
            for (int x : series::values(s)) walk.push_back(x);
            walk.push_back(1000);
            for (int v = 100; v < 1000; ++v) {
                const auto n = series::voisstd(s, v);
                QVERIFY2(n, qPrintable(QString::number(v)));
                const auto up = std::ranges::upper_bound(walk, double(v));
                const bool standard = std::ranges::binary_search(walk, double(v));
                QCOMPARE(n->standard, standard);
                QCOMPARE(n->upper, *up);
                QCOMPARE(n->lower, *(up - 1 - standard));
            }
            for (int v : {-10, 0, 99, 1000}) QVERIFY(!series::voisstd(s, v));
        }
    }
};

QTEST_MAIN(TestRules)
#include "test_rules.moc"
