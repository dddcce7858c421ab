// The two LED sub-panels: series resistor and its power, parallel resistor,
// and each panel's own error message with its red bracket.

#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "calc_helpers.h"

using namespace calctest;

namespace {
// "error" when the message and all three lines of its bracket show, "none" when
// none of them does, anything else describes a panel out of step.
QString errorState(const QLabel* message, const std::array<Segment*, 3>& bracket) {
    QString lines;
    for (const Segment* line : bracket) lines += line->isHidden() ? u'-' : u'|';
    if (message->text() == QStringLiteral("Erreur: diminuer le nombre de leds!") && lines == "|||")
        return QStringLiteral("error");
    if (message->text().isEmpty() && lines == "---") return QStringLiteral("none");
    return message->text() + u' ' + lines;
}
} // namespace

class LedTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    void typeSeries(const QStringList& inputs) { // supply, LED voltage, mA, count
        const std::array fields{w->Text13, w->Text14, w->Text15, w->Text16};
        for (int k = 0; k < 4; ++k) type(fields[k], inputs[k]);
    }
    void typeParallel(const QStringList& inputs) {
        const std::array fields{w->Text21, w->Text22, w->Text23, w->Text24};
        for (int k = 0; k < 4; ++k) type(fields[k], inputs[k]);
    }
    QString seriesError() const { return errorState(w->lbl_errvals, w->Linel); }
    QString parallelError() const { return errorState(w->lbl_errvalp, w->Linelp); }

private slots:
    void init() { w = testing::openWindow(); }
    void cleanup() { w.reset(); }

    void series_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("p");
        QTest::addColumn<bool>("error");
        QTest::newRow("three LEDs") << QStringList{"12", "2", "20", "3"} << "300" << "0.12" << false;
        QTest::newRow("power from the rounded R") << QStringList{"5", "1.8", "15", "1"} << "213.3" << "0.05" << false;
        QTest::newRow("supply too low") << QStringList{"5", "2", "20", "3"} << "-50" << "-0.02" << true;
        QTest::newRow("exactly enough") << QStringList{"6", "2", "20", "3"} << "0" << "0" << false;
    }
    void series() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, r);
        QFETCH(QString, p);
        QFETCH(bool, error);
        typeSeries(inputs);
        QCOMPARE(w->Text17->text(), r);
        QCOMPARE(w->Text18->text(), p);
        QCOMPARE(seriesError(), error ? "error" : "none");
        QCOMPARE(w->valres, r);
        QCOMPARE(parallelError(), "none");
    }

    // The resistance shows on the "Résis" tab as digits and colour bands,
    // whatever tab the user is on.
    void handedToTheColourCode() {
        w->TabStrip1->setCurrentIndex(4);
        w->Combo1->setCurrentIndex(1); // four bands: the hand-over brings the finder back
        typeSeries({"5", "1.8", "15", "1"}); // 213.3 ohms: 213 on the finder
        QCOMPARE(w->TabStrip1->currentIndex(), 4);
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Déterminer"));
        QCOMPARE(w->Label8[0]->text() + w->Label8[1]->text() + w->Label8[2]->text(), "213");
        QCOMPARE(w->Shape2->fillColor(), QColor(255, 0, 0));   // red 2
        QCOMPARE(w->Shape3->fillColor(), QColor(128, 64, 0));  // brown 1
        QCOMPARE(w->Shape4->fillColor(), QColor(255, 128, 0)); // orange 3
        QCOMPARE(w->valst_txt[0]->text() + ' ' + w->valst_txt[1]->text(), "200 220");
    }

    void seriesErrorClears() {
        typeSeries({"5", "2", "20", "3"});
        QCOMPARE(seriesError(), "error");
        type(w->Text15, "0"); // a zero current stops before anything changes
        QCOMPARE(seriesError(), "error");
        QCOMPARE(w->Text17->text(), "-50");
        type(w->Text15, "20");
        type(w->Text13, "12");
        QCOMPARE(seriesError(), "none");
        QCOMPARE(w->Text17->text(), "300");
    }

    // The power uses the resistance as shown, decimals included, with a comma.
    void seriesInFrench() {
        const testing::LocaleScope french(testing::french());
        typeSeries({"12", "2", "300", "1"});
        QCOMPARE(w->Text17->text(), "33,3");
        QCOMPARE(w->Text18->text(), "3"); // 0.09 * 33.3; the whole ohms alone would give 2,97
        QCOMPARE(w->valres, "33,3");
    }

    void parallel_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("r");
        QTest::addColumn<bool>("error");
        QTest::newRow("three LEDs") << QStringList{"5", "2", "20", "3"} << "50" << false;
        QTest::newRow("half ohm to even") << QStringList{"5", "2", "20", "4"} << "38" << false;
        QTest::newRow("rounds to 0") << QStringList{"5", "2", "20", "400"} << "0" << true;
        QTest::newRow("supply below the LED") << QStringList{"2", "3", "20", "1"} << "-50" << false;
    }
    void parallel() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, r);
        QFETCH(bool, error);
        typeParallel(inputs);
        QCOMPARE(w->Text20->text(), r);
        QCOMPARE(parallelError(), error ? "error" : "none");
        QCOMPARE(w->valres, r);
        QCOMPARE(seriesError(), "none");
    }

    void parallelStopsAndClears_data() {
        QTest::addColumn<QString>("zeroField");
        QTest::newRow("current") << "Text23";
        QTest::newRow("count") << "Text24";
    }
    void parallelStopsAndClears() {
        QFETCH(QString, zeroField);
        typeParallel({"5", "2", "20", "400"});
        QCOMPARE(parallelError(), "error");
        type(w->findChild<QLineEdit*>(zeroField), "0");
        QCOMPARE(parallelError(), "error");
        QCOMPARE(w->Text20->text(), "0");
        typeParallel({"5", "2", "20", "3"});
        QCOMPARE(parallelError(), "none");
        QCOMPARE(w->Text20->text(), "50");
    }
};

KIREL_TEST_MAIN(LedTest)
#include "test_led.moc"
