// Every calculator at once. Extreme inputs: a step that overflows or has no
// result keeps its field, and no field ever shows "inf" or "nan". And under a
// French locale, a decimal comma typed into any of them counts.

#include <QRadioButton>

#include "calc_helpers.h"

using namespace calctest;

class CalcFaultsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

private slots:
    void init() { w = testing::openWindow(); }
    void cleanup() { w.reset(); }

    void extremeInputs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("option"); // P = U * I or P = R * I², and point or comma
        for (const char* text : {"1e300", "-1e300", "1e-99", "9e307", "0"})
            for (int option : {0, 1})
                QTest::addRow("%s, option %d", text, option) << QString::fromLatin1(text) << option;
    }
    void extremeInputs() {
        QFETCH(QString, text);
        QFETCH(int, option);
        w->Option1[option]->setChecked(true);
        w->Option2[option]->setChecked(true);
        const QList<QLineEdit*> inputs{
            w->Text1,  w->Text2,  w->Text3,  w->Text4,  w->Text5,  w->Text6,  w->Text13,
            w->Text14, w->Text15, w->Text16, w->Text21, w->Text22, w->Text23, w->Text24,
            w->Text28, w->Text27, w->Text26, w->Valpro_txt, w->Text31, w->Text32, w->Text34};
        for (QLineEdit* field : inputs) {
            paste(field, text);
            QVERIFY2(badTexts(*w).isEmpty(), qPrintable(badTexts(*w).join(u'\n')));
            type(field, "2"); // then a small value next to the extreme ones
            QVERIFY2(badTexts(*w).isEmpty(), qPrintable(badTexts(*w).join(u'\n')));
            paste(field, text);
        }
    }

    // Fields typed in order, under fr_FR with the point still chosen, and one result.
    void frenchComma_data() {
        QTest::addColumn<QStringList>("typed"); // field, text, field, text, ...
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Ohm") << QStringList{"Text1", "5,1"} << "Text11" << "5,1";
        QTest::newRow("power") << QStringList{"Text4", "2,5"} << "Text7" << "2,5";
        QTest::newRow("LED") << QStringList{"Text13", "5,5"} << "Text17" << "225";
        QTest::newRow("zener") << QStringList{"Text28", "12", "Text27", "5,1", "Text26", "20"}
                               << "Text25" << "345";
        QTest::newRow("transistor") << QStringList{"Text31", "1,5"} << "Text33" << "1,5";
    }
    void frenchComma() {
        QFETCH(QStringList, typed);
        QFETCH(QString, output);
        QFETCH(QString, shown);
        const testing::LocaleScope french(testing::french());
        for (int i = 0; i + 1 < typed.size(); i += 2)
            type(w->findChild<QLineEdit*>(typed[i]), typed[i + 1]);
        QCOMPARE(w->findChild<QLineEdit*>(output)->text(), shown);
    }
};

KIREL_TEST_MAIN(CalcFaultsTest)
#include "test_calc_faults.moc"
