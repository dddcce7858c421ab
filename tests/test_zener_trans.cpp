// The "Zener" tab (ideal resistor, E24 proposal, lamps, out-of-range message)
// and the "Trans" tab (base current and base resistor).

#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>

#include "calc_helpers.h"

using namespace calctest;

class ZenerTransTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    void typeZener(const QString& us, const QString& uz, const QString& iw) {
        type(w->Text28, us);
        type(w->Text27, uz);
        type(w->Text26, iw);
    }
    // The one lamp showing: "green", "yellow" or "red"; anything else is a fault.
    QString lamp() const {
        QStringList on;
        if (!w->zdok->isHidden()) on << "green";
        if (!w->zdm->isHidden()) on << "yellow";
        if (!w->zdno->isHidden()) on << "red";
        return on.join(u'+');
    }
    QStringList zenerState() const {
        return {w->Text25->text(), w->Valpro_txt->text(), w->Text29->text(), lamp(),
                w->zdofflimit->isHidden() ? "" : "off limits"};
    }

private slots:
    void init() {
        w = testing::openWindow();
        w->TabStrip1->setCurrentIndex(2);
    }
    void cleanup() { w.reset(); }

    void workedExample() {
        typeZener("12", "5.1", "20");
        QCOMPARE(zenerState(), (QStringList{"345", "330", "20.909", "green", ""}));
        QCOMPARE(w->valres, "345");
        QCOMPARE(w->Timg[0]->text(), "345");
        QCOMPARE(w->Timg[1]->text(), "12V");
        QCOMPARE(w->Timg[2]->text(), "5.1V");
    }

    // Proposals: the E24 value strictly below, from 10 to 1000 ohms. Each row
    // changes one field of the worked example (Us 12, Uz 5.1, Iw 20: 330 proposed).
    void proposal_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("state"); // ideal, proposal, current, lamp, message
        QTest::newRow("470 gets 430") << "Text28" << "14.5" << QStringList{"470", "430", "21.86", "green", ""};
        QTest::newRow("1100 gets 1000") << "Text28" << "27.1" << QStringList{"1100", "1000", "22", "green", ""};
        QTest::newRow("10 itself") << "Text28" << "5.3" << QStringList{"10", "330", "20.909", "green", ""};
        QTest::newRow("above 1100")
            << "Text28" << "30" << QStringList{"1245", "330", "20.909", "green", "off limits"};
        QTest::newRow("zener above supply")
            << "Text27" << "15" << QStringList{"-150", "330", "20.909", "green", "off limits"};
        QTest::newRow("no current: nothing") << "Text26" << "0" << QStringList{"345", "330", "20.909", "green", ""};
    }
    void proposal() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, state);
        typeZener("12", "5.1", "20");
        paste(w->findChild<QLineEdit*>(field), text);
        QCOMPARE(zenerState(), state);
    }

    // The proposal stays 330 while Us moves from 12 to 12.2; the current follows.
    void sameProposalStillRates() {
        typeZener("12", "5.1", "20");
        QCOMPARE(w->Text29->text(), "20.909");
        type(w->Text28, "12.2");
        QCOMPARE(zenerState(), (QStringList{"355", "330", "21.515", "green", ""}));
    }

    void typedResistance_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("state"); // field after typing, current, lamp
        QTest::newRow("above the ideal") << "470" << QStringList{"470", "14.681", "red"};
        QTest::newRow("a letter becomes 1") << "x" << QStringList{"1", "6900", "green"};
        QTest::newRow("0 changes nothing") << "0" << QStringList{"0", "20.909", "green"};
    }
    void typedResistance() {
        QFETCH(QString, typed);
        QFETCH(QStringList, state);
        typeZener("12", "5.1", "20");
        type(w->Valpro_txt, typed);
        QCOMPARE((QStringList{w->Valpro_txt->text(), w->Text29->text(), lamp()}), state);
        QCOMPARE(w->Valpro_txt->cursorPosition(), w->Valpro_txt->text().size());
    }

    void equalCurrentIsYellow() {
        typeZener("12", "5", "20");
        type(w->Valpro_txt, "350");
        QCOMPARE(w->Text29->text(), "20");
        QCOMPARE(lamp(), "yellow");
    }

    // With the comma chosen, the resistance and voltages are read whole, in the locale.
    void commaChoice() {
        const testing::LocaleScope french(testing::french());
        w->Option2[1]->setChecked(true);
        typeZener("12", "5,1", "20");
        QCOMPARE(w->Text25->text(), "345");
        QCOMPARE(w->Valpro_txt->text(), "330");
        QCOMPARE(w->Text29->text(), "20,909");
        paste(w->Valpro_txt, "00"); // divides by zero: the current stays
        QCOMPARE(w->Text29->text(), "20,909");
        QCOMPARE(lamp(), "green");
    }

    void otherSeriesProposesNothing() {
        typeZener("12", "5.1", "20");
        w->Combo7[0]->setCurrentIndex(2); // E96
        type(w->Text28, "25");
        QCOMPARE(zenerState(), (QStringList{"995", "330", "20.909", "green", ""}));
    }

    void messageClickedAway() {
        typeZener("25", "0", "20");
        QVERIFY(!w->zdofflimit->isHidden());
        QTest::mouseClick(w->zdofflimit, Qt::LeftButton);
        QVERIFY(w->zdofflimit->isHidden());
        type(w->Text26, "10");
        QVERIFY(!w->zdofflimit->isHidden());
    }

    // An ideal resistance too large for a double keeps the one shown, rather than
    // whatever another tab handed over last.
    void overflowKeepsIdealResistance() {
        typeZener("12", "5.1", "20");
        type(w->Text1, "12");
        type(w->Text2, "0.5");
        QCOMPARE(w->valres, "24");
        paste(w->Text28, "9e307");
        QCOMPARE(w->Text25->text(), "345");
        QCOMPARE(w->Timg[0]->text(), "345");
        QCOMPARE(w->Timg[1]->text(), "9e307V");
        QCOMPARE(w->valres, "24");
    }

    void transistor_data() {
        QTest::addColumn<QStringList>("inputs"); // Ic, gain, Ub
        QTest::addColumn<QString>("ib");
        QTest::addColumn<QString>("r");
        QTest::newRow("Ib shown rounded") << QStringList{"100", "150", "5"} << "0.667" << "6.6";
        // R from the exact Ib, not from the 3 decimals shown.
        QTest::newRow("small Ib") << QStringList{"5", "2000", "3.3"} << "0.002" << "1080";
        QTest::newRow("Ib shown as 0") << QStringList{"1", "5000", "5"} << "0" << "22000";
        QTest::newRow("Ub below the junction") << QStringList{"10", "50", "0.5"} << "0.2" << "-0.5";
    }
    void transistor() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, ib);
        QFETCH(QString, r);
        type(w->Text31, inputs[0]);
        type(w->Text32, inputs[1]);
        type(w->Text34, inputs[2]);
        QCOMPARE(w->Text33->text(), ib);
        QCOMPARE(w->Text35->text(), r);
    }

    // A zero gain changes nothing; a zero base current leaves the resistor alone.
    void transistorStops() {
        type(w->Text31, "100");
        type(w->Text32, "100");
        type(w->Text34, "5");
        type(w->Text32, "0");
        QCOMPARE(w->Text33->text(), "1");
        QCOMPARE(w->Text35->text(), "4.4");
        type(w->Text32, "50");
        type(w->Text31, "0");
        QCOMPARE(w->Text33->text(), "0");
        QCOMPARE(w->Text35->text(), "2.2");
        type(w->Text31, "10");
        QCOMPARE(w->Text33->text(), "0.2");
        QCOMPARE(w->Text35->text(), "22");
    }

    // In French both results are written with a comma, the resistor below 1 mA too.
    void transistorInFrench() {
        const testing::LocaleScope french(testing::french());
        type(w->Text31, "100");
        type(w->Text32, "150");
        type(w->Text34, "5");
        QCOMPARE(w->Text33->text(), "0,667");
        QCOMPARE(w->Text35->text(), "6,6");
    }
};

KIREL_TEST_MAIN(ZenerTransTest)
#include "test_zener_trans.moc"
