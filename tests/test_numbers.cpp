// The number rules, without a window: numeric test, the readings, the writing
// rule and rounding, in a point locale and a comma locale (and a few others).

#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

#include "numbers/numbers.h"

using namespace numbers;

class TestNumbers : public QObject {
    Q_OBJECT
    const QLocale en{QLocale::English, QLocale::UnitedStates};
    const QLocale fr{QLocale::French, QLocale::France};

private slots:
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
        const struct {
            const char* text;
            const char* numeric;
            double english, french;
            const char* first = "en_US";
        } rows[] = {
            {"12", "yy", 12, 12},      {"2.5", "yn", 2.5, 2.5},
            {"2,5", "yy", 25, 2.5},    {"12.", "yn", 12, 12},
            {" 7 ", "yy", 7, 7},       {"-4", "yy", -4, -4},
            {"+4", "yy", 4, 4},        {".5", "yn", 0.5, 0.5},
            {",5", "ny", 0, 0.5},      {"1e3", "yy", 1000, 1000},
            {"15E-1", "yy", 1.5, 1.5}, {"1e", "nn", 1, 1},
            {"2e-", "nn", 2, 2},       {"1,5e3", "yy", 15000, 1500},
            {"1.5,2", "nn", 1.5, 1.5}, {"1e999", "nn", HUGE_VAL, HUGE_VAL},
            {"12a5", "nn", 12, 12},    {"", "nn", 0, 0},
            {"-", "nn", 0, 0},         {".", "nn", 0, 0},
            {"nan", "nn", 0, 0},       {"inf", "nn", 0, 0},
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
        QCOMPARE(roundTo(Num(1.25), 1), Num(1.2));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
