// The standard series and the neighbour lookup, without a window.

#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "codes/series.h"

using series::Series;

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

    // The neighbours of every whole number from 100 to 999, found by walking the
    // series with its edges; none outside.
    void voisstd() {
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

QTEST_APPLESS_MAIN(TestSeries)
#include "test_series.moc"
