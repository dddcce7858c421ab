// The standard series and the neighbour lookup, without a window.

#include <QTest>
#include <cmath>
#include <vector>

#include "codes/series.h"

using series::Series;
Q_DECLARE_METATYPE(Series)

class TestSeries : public QObject {
    Q_OBJECT

private slots:
    // E48 and E96 are 100 x 10^(i/n) rounded half up to a whole number; E24
    // keeps its historical values.
    void tables() {
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

    void voisstd_data() {
        QTest::addColumn<Series>("s");
        QTest::addColumn<int>("v");
        QTest::addColumn<QString>("found"); // lower < upper, "=" when v is standard; empty: none
        const struct {
            Series s;
            int v;
            const char* found;
        } rows[] = {
            {Series::E24, 100, "91 = 110"},
            {Series::E24, 101, "100 < 110"},
            {Series::E24, 470, "430 = 510"},
            {Series::E24, 475, "470 < 510"},
            {Series::E24, 910, "820 = 1000"},
            {Series::E24, 999, "910 < 1000"},
            {Series::E24, 99, ""},
            {Series::E24, 1000, ""},
            {Series::E48, 100, "95.3 = 105"},
            {Series::E48, 133, "127 = 140"},
            {Series::E48, 500, "487 < 511"},
            {Series::E48, 953, "909 = 1000"},
            {Series::E48, 999, "953 < 1000"},
            {Series::E48, 99, ""},
            {Series::E96, 100, "97.6 = 102"},
            {Series::E96, 475, "464 = 487"},
            {Series::E96, 500, "499 < 511"},
            {Series::E96, 976, "953 = 1000"},
            {Series::E96, 999, "976 < 1000"},
            {Series::E96, 99, ""},
            {Series::E96, 0, ""},
            {Series::E96, -10, ""},
        };
        const char* names[] = {"E24", "E48", "E96"};
        for (const auto& r : rows)
            QTest::addRow("%s %d", names[int(r.s)], r.v) << r.s << r.v << QString(r.found);
    }
    void voisstd() {
        QFETCH(Series, s);
        QFETCH(int, v);
        const auto n = series::voisstd(s, v);
        const QString found = !n ? QString()
                                 : QString::number(n->lower) + (n->standard ? " = " : " < ") +
                                       QString::number(n->upper);
        QTEST(found, "found");
    }
};

QTEST_APPLESS_MAIN(TestSeries)
#include "test_series.moc"
