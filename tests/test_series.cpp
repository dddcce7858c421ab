// The standard series and the neighbour lookup, without a window.

#include <QTest>

#include "codes/series.h"

using series::Series;
Q_DECLARE_METATYPE(Series)

class TestSeries : public QObject {
    Q_OBJECT

private slots:
    void tables_data() {
        QTest::addColumn<Series>("s");
        QTest::addColumn<int>("count");
        QTest::newRow("E24") << Series::E24 << 24;
        QTest::newRow("E48") << Series::E48 << 48;
        QTest::newRow("E96") << Series::E96 << 96;
    }
    // Each table rises strictly through one decade; E96 holds every E48 value,
    // which catches a mistyped value in either.
    void tables() {
        QFETCH(Series, s);
        QFETCH(int, count);
        const auto v = series::values(s);
        QCOMPARE(int(v.size()), count);
        QCOMPARE(v.front(), 100);
        QVERIFY(std::ranges::adjacent_find(v, std::greater_equal<>()) == v.end());
        QVERIFY(v.back() < 1000);
        if (s == Series::E96)
            for (int x : series::values(Series::E48))
                QVERIFY2(std::ranges::binary_search(v, x), qPrintable(QString::number(x)));
    }

    void voisstd_data() {
        QTest::addColumn<Series>("s");
        QTest::addColumn<int>("v");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<bool>("standard");
        const struct {
            const char* name;
            Series s;
            int v;
            bool found;
            double lower, upper;
            bool standard;
        } rows[] = {
            {"E24 first", Series::E24, 100, true, 91, 110, true},
            {"E24 just above first", Series::E24, 101, true, 100, 110, false},
            {"E24 inside", Series::E24, 470, true, 430, 510, true},
            {"E24 between", Series::E24, 475, true, 470, 510, false},
            {"E24 last", Series::E24, 910, true, 820, 1000, true},
            {"E24 top", Series::E24, 999, true, 910, 1000, false},
            {"E24 below decade", Series::E24, 99, false, 0, 0, false},
            {"E24 zero", Series::E24, 0, false, 0, 0, false},
            {"E48 first", Series::E48, 100, true, 95.3, 105, true},
            {"E48 inside", Series::E48, 133, true, 127, 140, true},
            {"E48 between", Series::E48, 500, true, 487, 511, false},
            {"E48 last", Series::E48, 953, true, 909, 1000, true},
            {"E48 top", Series::E48, 999, true, 953, 1000, false},
            {"E48 below decade", Series::E48, 99, false, 0, 0, false},
            {"E96 first", Series::E96, 100, true, 97.6, 102, true},
            {"E96 inside", Series::E96, 475, true, 464, 487, true},
            {"E96 between", Series::E96, 500, true, 499, 511, false},
            {"E96 last", Series::E96, 976, true, 953, 1000, true},
            {"E96 top", Series::E96, 999, true, 976, 1000, false},
            {"E96 below decade", Series::E96, 99, false, 0, 0, false},
            {"E96 zero", Series::E96, 0, false, 0, 0, false},
            {"E96 negative", Series::E96, -10, false, 0, 0, false},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << r.s << r.v << r.found << r.lower << r.upper << r.standard;
    }
    void voisstd() {
        QFETCH(Series, s);
        QFETCH(int, v);
        QFETCH(bool, found);
        const auto n = series::voisstd(s, v);
        QCOMPARE(n.has_value(), found);
        if (!n) return;
        QTEST(n->lower, "lower");
        QTEST(n->upper, "upper");
        QTEST(n->standard, "standard");
    }
};

QTEST_APPLESS_MAIN(TestSeries)
#include "test_series.moc"
