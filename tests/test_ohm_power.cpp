// Ohm's law and power on the "Bases" tab, typed as a user would.

#include <QRadioButton>

#include "calc_helpers.h"

using namespace calctest;

class OhmPowerTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    void typeOhm(const QString& u, const QString& i, const QString& r) {
        type(w->Text1, u);
        type(w->Text2, i);
        type(w->Text3, r);
    }
    void typePower(const QString& first, const QString& i, const QString& p) {
        type(w->Text4, first);
        type(w->Text5, i);
        type(w->Text6, p);
    }
    QStringList ohmOutputs() const {
        return {w->Text12->text(), w->Text11->text(), w->Text9->text(), w->valres};
    }
    QStringList powerOutputs() const {
        return {w->Text10->text(), w->Text8->text(), w->Text7->text(), w->valres};
    }

private slots:
    void init() { w = testing::openWindow(); }
    void cleanup() { w.reset(); }

    void ohm_data() {
        QTest::addColumn<QString>("u");
        QTest::addColumn<QString>("i");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QStringList>("outputs"); // I, R, U, handed over
        QTest::newRow("worked example") << "12" << "0.5" << "1" << QStringList{"12", "24", "0.5", "24"};
        QTest::newRow("handed over with one decimal") << "10" << "3" << "1" << QStringList{"10", "3.33", "3", "3.3"};
    }
    void ohm() {
        QFETCH(QString, u);
        QFETCH(QString, i);
        QFETCH(QString, r);
        QFETCH(QStringList, outputs);
        typeOhm(u, i, r);
        QCOMPARE(ohmOutputs(), outputs);
    }

    // A zero divisor changes nothing at all, not even what was handed over.
    void ohmZeroDivisorStops_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("R") << "Text3";
        QTest::newRow("I") << "Text2";
    }
    void ohmZeroDivisorStops() {
        QFETCH(QString, field);
        typeOhm("12", "0.5", "2");
        const QStringList before = ohmOutputs();
        type(w->findChild<QLineEdit*>(field), "0");
        QCOMPARE(ohmOutputs(), before);
    }

    // An overflowing step keeps its field and the hand-over; the next steps still run.
    void ohmOverflowSkipsOneStep() {
        typeOhm("12", "0.5", "1");
        paste(w->Text1, "1e300");
        QCOMPARE(w->Text11->text(), "2E+300");
        paste(w->Text2, "1e-99");
        QCOMPARE(w->Text11->text(), "2E+300");
        QCOMPARE(w->valres, "2E+300");
        QCOMPARE(w->Text9->text(), "0");
        QCOMPARE(w->Text12->text(), "1E+300");
    }

    void power_data() {
        QTest::addColumn<int>("mode"); // 0: P = U * I, 1: P = R * I²
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("i");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QStringList>("outputs"); // first row, I, P, handed over
        QTest::newRow("U I") << 0 << "12" << "2" << "6" << QStringList{"3", "0.5", "24", ""};
        QTest::newRow("R I") << 1 << "100" << "0.1" << "1" << QStringList{"100", "0.1", "1", "100"};
        QTest::newRow("R I, two decimals handed over") << 1 << "1" << "3" << "1"
                                                       << QStringList{"0.11", "1", "9", "0.11"};
    }
    void power() {
        QFETCH(int, mode);
        QFETCH(QString, first);
        QFETCH(QString, i);
        QFETCH(QString, p);
        QFETCH(QStringList, outputs);
        w->Option1[mode]->setChecked(true);
        typePower(first, i, p);
        QCOMPARE(powerOutputs(), outputs);
    }

    void powerZeroDivisorStops_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("field");
        QTest::newRow("U") << 0 << "Text4";
        QTest::newRow("R") << 1 << "Text4";
        QTest::newRow("I") << 1 << "Text5";
    }
    void powerZeroDivisorStops() {
        QFETCH(int, mode);
        QFETCH(QString, field);
        w->Option1[mode]->setChecked(true);
        typePower("4", "2", "8");
        const QStringList before = powerOutputs();
        type(w->findChild<QLineEdit*>(field), "0");
        QCOMPARE(powerOutputs(), before);
    }

    // The square root of a negative number fails that step alone.
    void negativePowerKeepsOnlyTheCurrent() {
        w->Option1[1]->setChecked(true);
        typePower("1", "1", "4");
        QCOMPARE(w->Text8->text(), "2");
        paste(w->Text6, "-4");
        QCOMPARE(powerOutputs(), (QStringList{"-4", "2", "1", "-4"}));
    }
};

KIREL_TEST_MAIN(OhmPowerTest)
#include "test_ohm_power.moc"
