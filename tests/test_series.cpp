// The standard series and the neighbour lookup, without a window.

#include <QTest>

#include "codes/series.h"

using series::Series;
Q_DECLARE_METATYPE(Series)

class TestSeries : public QObject {
    Q_OBJECT

private slots:
    // Each table rises strictly through one decade; E96 holds every E48 value,
    // which catches a mistyped value in either.
    void tables() {
        const std::pair<Series, int> sizes[] = {{Series::E24, 24}, {Series::E48, 48}, {Series::E96, 96}};
        for (auto [s, count] : sizes) {
            const auto v = series::values(s);
            QCOMPARE(int(v.size()), count);
            QVERIFY(v.front() == 100 && v.back() < 1000);
            QVERIFY(std::ranges::adjacent_find(v, std::greater_equal<>()) == v.end());
        }
        for (int x : series::values(Series::E48))
            QVERIFY2(std::ranges::binary_search(series::values(Series::E96), x), qPrintable(QString::number(x)));
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
            {Series::E24, 100, "91 = 110"},   {Series::E24, 101, "100 < 110"},
            {Series::E24, 470, "430 = 510"},  {Series::E24, 475, "470 < 510"},
            {Series::E24, 910, "820 = 1000"}, {Series::E24, 999, "910 < 1000"},
            {Series::E24, 99, ""},            {Series::E24, 0, ""},
            {Series::E48, 100, "95.3 = 105"}, {Series::E48, 133, "127 = 140"},
            {Series::E48, 500, "487 < 511"},  {Series::E48, 953, "909 = 1000"},
            {Series::E48, 999, "953 < 1000"}, {Series::E48, 99, ""},
            {Series::E96, 100, "97.6 = 102"}, {Series::E96, 475, "464 = 487"},
            {Series::E96, 500, "499 < 511"},  {Series::E96, 976, "953 = 1000"},
            {Series::E96, 999, "976 < 1000"}, {Series::E96, 99, ""},
            {Series::E96, 0, ""},             {Series::E96, -10, ""},
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
