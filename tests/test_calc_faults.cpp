// Extreme inputs on every calculator: a step that overflows or has no result
// keeps its field, and no field ever shows "inf" or "nan".

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
};

KIREL_TEST_MAIN(CalcFaultsTest)
#include "test_calc_faults.moc"
