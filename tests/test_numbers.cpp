// The number rules, without a window: numeric test, both readings, the writing
// rule and rounding, in a point locale and a comma locale.

#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

#include "window/numbers.h"

using namespace numbers;

class TestNumbers : public QObject {
    Q_OBJECT
    const QLocale en{QLocale::English, QLocale::UnitedStates};
    const QLocale fr{QLocale::French, QLocale::France};

private slots:
    void numericTest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("french");
        QTest::newRow("integer") << "12" << true << true;
        QTest::newRow("point") << "2.5" << true << false;
        QTest::newRow("comma") << "2,5" << false << true;
        QTest::newRow("trailing point typed key by key") << "12." << true << false;
        QTest::newRow("leading point") << ".5" << true << false;
        QTest::newRow("blanks around") << " 7 " << true << true;
        QTest::newRow("sign") << "-3" << true << true;
        QTest::newRow("exponent") << "1e3" << true << true;
        QTest::newRow("exponent unfinished") << "1e" << false << false;
        QTest::newRow("overflow") << "1e999" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("blank") << " " << false << false;
        QTest::newRow("lone sign") << "-" << false << false;
        QTest::newRow("lone point") << "." << false << false;
        QTest::newRow("letters") << "abc" << false << false;
        QTest::newRow("number then letter") << "12a" << false << false;
        QTest::newRow("nan") << "nan" << false << false;
        QTest::newRow("inf") << "inf" << false << false;
    }
    void numericTest() {
        QFETCH(QString, text);
        QFETCH(bool, english);
        QFETCH(bool, french);
        QCOMPARE(isNumeric(text, en), english);
        QCOMPARE(isNumeric(text, fr), french);
    }

    void leadingReading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("english");
        QTest::addColumn<double>("french");
        QTest::newRow("integer") << "12" << 12.0 << 12.0;
        QTest::newRow("decimal") << "2.5" << 2.5 << 2.5;
        QTest::newRow("comma") << "2,5" << 2.0 << 2.5;
        QTest::newRow("leading blanks") << "  7" << 7.0 << 7.0;
        QTest::newRow("negative") << "-4" << -4.0 << -4.0;
        QTest::newRow("plus") << "+4" << 4.0 << 4.0;
        QTest::newRow("leading point") << ".5" << 0.5 << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0 << 5.0;
        QTest::newRow("exponent") << "1e3" << 1000.0 << 1000.0;
        QTest::newRow("negative exponent") << "15E-1" << 1.5 << 1.5;
        QTest::newRow("exponent without digits") << "1e" << 1.0 << 1.0;
        QTest::newRow("exponent sign only") << "2e-" << 2.0 << 2.0;
        QTest::newRow("stops at a letter") << "12a5" << 12.0 << 12.0;
        QTest::newRow("no number") << "abc" << 0.0 << 0.0;
        QTest::newRow("empty") << "" << 0.0 << 0.0;
        QTest::newRow("lone point") << "." << 0.0 << 0.0;
        QTest::newRow("lone comma") << "," << 0.0 << 0.0;
        QTest::newRow("leading comma") << ",5" << 0.0 << 0.5;
        QTest::newRow("comma and exponent") << "1,5e3" << 1.0 << 1500.0;
        QTest::newRow("one decimal point only") << "1.5,2" << 1.5 << 1.5;
        QTest::newRow("lone sign") << "-" << 0.0 << 0.0;
        QTest::newRow("non-breaking space is no blank") << QString(QChar(0xA0)) + "5" << 0.0 << 0.0;
    }
    void leadingReading() {
        QFETCH(QString, text);
        QFETCH(double, english);
        QFETCH(double, french);
        QCOMPARE(leadingNumber(text, en), english);
        QCOMPARE(leadingNumber(text, fr), french);
    }

    // The process runs under the user's C locale (Qt sets it); a comma there must
    // not change the reading, which knows only the point.
    void leadingReadingIgnoresTheCLocale() {
        const char* comma[] = {"fr_FR.UTF-8", "de_DE.UTF-8", "fr_FR.utf8", "de_DE.utf8"};
        const char* found = nullptr;
        for (const char* name : comma)
            if (!found && std::setlocale(LC_NUMERIC, name)) found = name;
        if (!found) QSKIP("no comma locale installed on this machine");
        const double value = leadingNumber("2.5");
        const QString written = writeNumber(1e300, en);
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(value, 2.5);
        QCOMPARE(written, QStringLiteral("1E+300"));
    }

    void leadingReadingOverflows() { QVERIFY(!numbers::finite(leadingNumber("9e999"))); }

    void localeReading() {
        QCOMPARE(localeNumber("2.5", en), Num(2.5));
        QCOMPARE(localeNumber("2,5", fr), Num(2.5));
        QCOMPARE(localeNumber("2.5", fr), Num());
        QCOMPARE(localeNumber("", en), Num());
        QCOMPARE(localeNumber("1e999", en), Num());
        QCOMPARE(localeNumber("1E-05", en), Num(1e-5));
        QCOMPARE(localeNumber("1E+15", fr), Num(1e15));
    }

    void writing_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("french");
        QTest::newRow("integer") << 300.0 << "300" << "300";
        QTest::newRow("no group separator") << 1000.0 << "1000" << "1000";
        QTest::newRow("decimal") << 213.3 << "213.3" << "213,3";
        QTest::newRow("small") << 0.12 << "0.12" << "0,12";
        QTest::newRow("negative") << -0.02 << "-0.02" << "-0,02";
        QTest::newRow("negative zero") << -0.0 << "0" << "0";
        QTest::newRow("just below 1E-4 edge") << 0.0001 << "0.0001" << "0,0001";
        QTest::newRow("below 1E-4") << 0.00001 << "1E-05" << "1E-05";
        QTest::newRow("exponent with decimals") << -0.000015 << "-1.5E-05" << "-1,5E-05";
        QTest::newRow("1E15") << 1e15 << "1E+15" << "1E+15";
        QTest::newRow("just below 1E15") << 999999999999999.0 << "999999999999999"
                                         << "999999999999999";
        QTest::newRow("rounds up to 1E15") << 999999999999999.9 << "1E+15" << "1E+15";
        QTest::newRow("15 digits") << 1.0 / 3.0 << "0.333333333333333" << "0,333333333333333";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3" << "0,3";
        QTest::newRow("large exponent") << 1.5e300 << "1.5E+300" << "1,5E+300";
        QTest::newRow("largest double stays readable")
            << std::numeric_limits<double>::max() << "1.79769313486231E+308"
            << "1,79769313486231E+308";
        QTest::newRow("tiny") << 4.9e-324 << "4.94065645841247E-324" << "4,94065645841247E-324";
    }
    void writing() {
        QFETCH(double, value);
        QFETCH(QString, english);
        QFETCH(QString, french);
        QCOMPARE(writeNumber(value, en), english);
        QCOMPARE(writeNumber(value, fr), french);
        // What is written reads back as the same number (to 15 digits).
        const Num back = localeNumber(english, en);
        QVERIFY(back);
        QVERIFY(value == 0 || std::abs(*back - value) <= std::abs(value) * 1e-14);
    }

    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("half down to even") << 0.125 << 2 << 0.12;
        QTest::newRow("half up to even") << 0.375 << 2 << 0.38;
        QTest::newRow("2.5 to even") << 2.5 << 0 << 2.0;
        QTest::newRow("3.5 to even") << 3.5 << 0 << 4.0;
        QTest::newRow("37.5 to even") << 37.5 << 0 << 38.0;
        QTest::newRow("negative half") << -0.5 << 0 << 0.0;
        QTest::newRow("one decimal") << 213.3333 << 1 << 213.3;
        QTest::newRow("three decimals") << 20.90909 << 3 << 20.909;
        QTest::newRow("below the last decimal") << 0.001 << 2 << 0.0;
    }
    void rounding() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        QCOMPARE(roundTo(value, decimals), rounded);
    }

    void roundingOverflowFails() {
        QVERIFY(!roundTo(Num(1e307), 2));
        QVERIFY(!roundTo(Num(), 2));
        QCOMPARE(roundTo(Num(1.25), 1), Num(1.2));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
