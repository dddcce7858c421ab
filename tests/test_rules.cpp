// The calculators, the code readers and the standard series as plain
// functions, without a window: one row an input and everything it must show
// ("-" a skipped step, "stop" a calculator that stops before its first step).

#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/calculators.h"
#include "codes/colours.h"
#include "codes/readers.h"
#include "codes/series.h"
#include "kit/theme.h"

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
QString calculate(const QString& name, const QStringList& in) {
    std::vector<Num> v;
    for (const QString& s : in) v.push_back(s == "-" ? Num() : Num(s.toDouble()));
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

private slots:
    // Written the English way whatever the locale the suite runs under.
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void calculators_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        const char* rows[][3] = {
            {"ohm, R overflows", "ohm 1e300 1e-10 1", "1E+300 - 0"},
            {"P=RI², two decimals", "ri 1 3 1", "0.11 1 9"},
            {"P=RI², negative R", "ri -4 2 1", "0.25 - -16"},
            {"series, power from the rounded R", "series 5 1.8 15 1 -", "213.3 0.05 no"},
            {"series, exactly enough", "series 6 2 20 3 -", "0 0 no"},
            {"series, R skipped: the shown one", "series 1e308 -1e308 20 1 100", "- 0.04 no"},
            {"parallel, half ohm to even", "parallel 5 2 20 4 -", "38 no"},
            {"parallel, supply below the LED", "parallel 2 3 20 1 -", "-50 no"},
            {"zener, not E24", "zenerE48 12 5.1 20 -", "345 - -"},
            {"zener, an E24 value gets the one below", "zener 14.5 5.1 20 -", "470 no 430"},
            {"zener, 10 ohms: no proposal", "zener 5.2 5 20 -", "10 no -"},
            {"zener, 1100 ohms", "zener 27 5 20 -", "1100 no 1000"},
            {"zener, over 1100", "zener 27.02 5 20 -", "1101 yes -"},
            {"zener, ideal skipped: the shown one", "zener 1e308 -1e308 20 47", "- no 43"},
            {"rating, more", "rating 12 5.1 20 330 -", "20.909 green"},
            {"rating, less", "rating 12 5.1 21 330 -", "20.909 red"},
            {"rating, current skipped: the shown one", "rating 1e308 -1e308 5 1 4", "- red"},
            // clang-format off
            {"ohm, I zero", "ohm 1 0 5", "stop"}, {"P=UI, U zero", "ui 0 2 6", "stop"},
            {"P=RI², R zero", "ri 0 2 1", "stop"}, {"P=RI², I zero", "ri 4 0 1", "stop"},
            {"ohm, no number", "ohm - 2 4", "- - 8"}, {"ohm, thirds rounded", "ohm 10 3 1", "10 3.33 3"},
            {"series, no current", "series 12 2 0 3 -", "stop"}, {"parallel, no LED", "parallel 5 2 20 0 -", "stop"},
            {"parallel, no current", "parallel 5 2 0 3 -", "stop"}, {"zener, no current", "zener 12 5 0 -", "stop"},
            {"rating, equal", "rating 12 2 20 500 -", "20 yellow"}, {"rating, 0 ohm", "rating 12 5 20 0 -", "stop"},
            {"transistor", "trans 100 100 5", "1 4.4"}, {"transistor, no gain", "trans 1 0 5", "stop"},
            {"zener, under 10", "zener 5.1 5 20 -", "5 yes -"}, {"zener above the supply", "zener 12 15 20 -", "-150 yes -"},
            // clang-format on
            {"transistor, R to two decimals", "trans 300 100 5", "3 1.47"},
            {"transistor, Ub below the junction", "trans 10 50 0.5", "0.2 -0.5"},
            {"transistor, small base current", "trans 1 3000 5", "0 13200"},
            {"transistor, no current", "trans 0 100 5", "0 -"},
        };
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2];
    }
    void calculators() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QStringList args = in.split(' ', Qt::SkipEmptyParts);
        const QString name = args.takeFirst();
        QCOMPARE(calculate(name, args), out);
    }

    // The zener's proposal is the E24 value just below the ideal resistance, for
    // every E24 value from 10 to 910 ohms.
    void proposalsFollowE24() {
        for (int decade : {10, 100})
            for (int e : series::values(Series::E24)) {
                const int below = e * decade / 100;
                QCOMPARE(calc::zenerIdeal(below + 0.5, 0, 1000, {}, true)->proposal, below);
            }
    }

    // The hand-over: ohms to the finder's digits, multiplier index (x<index>) and "two"
    // for two digits, in French and in C.
    void handover_data() {
        QTest::addColumn<double>("ohms");
        QTest::addColumn<QString>("preset");
        const std::pair<double, const char*> rows[] = {
            {0.47, "4 7 x0 two"}, {4.7, "4 7 x1 two"},   {4.75, "4 7 5 x0"},  {47, "4 7 x2 two"},
            {10, "1 0 x2 two"},   {470.25, "4 7 0 x2"},  {1380, "1 3 8 x3"},  {9.99e9, "9 9 9 x9"},
            {0.1, "1 0 x0 two"},  {0.999, "9 9 x0 two"}, {9.999, "9 9 9 x0"}, {10.05, "1 0 x2 two"},
            {99.99, "9 9 9 x1"},  {1000, "1 0 0 x3"},    {1e6, "1 0 0 x6"},   {4.75e7, "4 7 5 x7"},
            {1e300, "none"},      {0.09, "none"},        {1e10, "none"},      {-5, "none"},
        };
        for (auto [ohms, preset] : rows) QTest::newRow(preset) << ohms << preset;
    }
    void handover() {
        QFETCH(double, ohms);
        for (const QLocale& l : {QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
            QLocale::setDefault(l); // the digits are read past the locale's decimal separator
            const auto p = codes::handoverPreset(ohms);
            QString got = "none";
            if (p) {
                const auto& d = p->digits;
                got = QString("%1 %2 ").arg(d[0]).arg(d[1]) +
                      (p->twoDigits ? "" : QString::number(d[2]) + ' ') + 'x' +
                      QString::number(p->multiplier) + (p->twoDigits ? " two" : "");
            }
            QTEST(got, "preset");
        }
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

    // Each input read into a marking, and what shows it.
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
            {"ohms 0.47", "4 7 _ x2 e-2 t-: .47 Ohms | Jaune Violet - Argent -"},
            {"ohms 4.75", "4 7 5 x3 e-2 t-: 4.75 Ohms | Jaune Violet Vert Argent -"},
            {"ohms 1380", "1 3 8 x3 e1 t-: 1.38 k Ohms | Marron Orange Gris Marron -"},
            {"onto ___ 1 2", "4 7 0 x2 e1 t1: 470 Ohms | Jaune Violet Noir Marron Or"},
            {"onto ___ 1 3", "4 7 5 x3 e1 t1: 4.75 k Ohms | Jaune Violet Vert Marron Or"},
            {"onto 9__ - 2", "9 7 5 x3 e0 t1: 975 Ohms | Blanc Violet Vert Noir Or"},
        };
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1];
    }
    void markings() {
        const std::optional<codes::Marking> m = read(QString(QTest::currentDataTag()).split(' '));
        QTEST(m ? text(m) + ": " + shown(*m) : "none", "shown");
    }

    // Every multiplier of the finder with two digits (4 7) and three (4 7 5):
    // the value line, the finder's row and its E24 neighbours.
    void everyExponent() {
        const char* rows[][2] = {
            {".47 Ohms; 0.47 Ohms 0.43 0.51", "4.75 Ohms; 4.75 Ohms 4.7 5.1"},
            {"4.7 Ohms; 4.7 Ohms 4.3 5.1", "47.5 Ohms; 47.5 Ohms 47 51"},
            {"47 Ohms; 47 Ohms 43 51", "475 Ohms; 475 Ohms 470 510"},
            {"470 Ohms; 470 Ohms 430 510", "4.75 k Ohms; 4.75 kOhms 4.7 5.1"},
            {"4.7 k Ohms; 4.7 kOhms 4.3 5.1", "47.5 k Ohms; 47.5 kOhms 47 51"},
            {"47 k Ohms; 47 kOhms 43 51", "475 k Ohms; 475 kOhms 470 510"},
            {"470 k Ohms; 470 kOhms 430 510", "4.75 M Ohms; 4.75 MOhms 4.7 5.1"},
            {"4.7 M Ohms; 4.7 MOhms 4.3 5.1", "47.5 M Ohms; 47.5 MOhms 47 51"},
            {"47 M Ohms; 47 MOhms 43 51", "475 M Ohms; 475 MOhms 470 510"},
            {"470 M Ohms; 470 M.Ohms 430 510", "4.75 G Ohms; 4.75 G.Ohms 4.7 5.1"},
        };
        for (int m = 0; m < 10; ++m)
            for (bool two : {true, false}) {
                const codes::Marking mk = codes::fromFinder(3, 7, 5, m, two);
                const codes::FinderValue f = codes::finderLine(mk, Series::E24);
                const QString row = f.digits[0] + (*f.point0 ? "." : "") + f.digits[1] +
                                    (*f.point1 ? "." : "") +
                                    (f.third.value_or(true) ? f.digits[2] : "");
                const QString got = shown(codes::readOnto({}, mk)).section(" |", 0, 0) + "; " +
                                    row + ' ' + *f.unit + ' ' + *f.lower + ' ' + *f.upper;
                QCOMPARE(got, rows[m][two ? 0 : 1]);
            }
    }

    // E48 and E96 are 100 x 10^(i/n) rounded half up to a whole number; E24
    // keeps its historical values.
    void seriesTables() {
        const int e24[] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                           330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
        QVERIFY(std::ranges::equal(series::values(Series::E24), e24));
        for (auto [s, n] : {std::pair{Series::E48, 48}, {Series::E96, 96}}) {
            std::vector<int> rounded;
            for (int i = 0; i < n; ++i)
                rounded.push_back(int(std::floor(100 * std::pow(10.0, double(i) / n) + 0.5)));
            QVERIFY(std::ranges::equal(series::values(s), rounded));
        }
    }

    // The neighbours of every whole number from 100 to 999, found by walking the
    // series with its edges; none outside.
    void neighbours() {
        for (auto [s, below] :
             {std::pair{Series::E24, 91.0}, {Series::E48, 95.3}, {Series::E96, 97.6}}) {
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
