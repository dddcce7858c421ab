// Keyboard and screen-reader use: the Tab key walks each tab's inputs in reading
// order, the main tabs change from the keyboard, and every field and list has a
// name and, where it has one, its unit.

#include <QComboBox>
#include <QRadioButton>

#include "testing.h"

class TestKeyboard : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    QStringList walk(QWidget* first, int steps) {
        first->setFocus();
        QStringList seen{first->objectName()};
        for (int i = 1; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            // A list's line edit stands for its list.
            if (f && !f->objectName().startsWith(u'C') && qobject_cast<QComboBox*>(f->parentWidget()))
                f = f->parentWidget();
            seen << (f ? f->objectName() : QStringLiteral("(none)"));
        }
        return seen;
    }

private slots:
    void init() { w = testing::openWindow(); }
    void cleanup() { w.reset(); }

    void tabOrder_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("ledTab");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Bases") << 0 << 0
            << QStringList{"Option2(0)", "Text1", "Text2", "Text3", "Raz1", "Option1(0)",
                           "Text4", "Text5", "Text6", "Raz2", "TabStrip1"};
        QTest::newRow("Led série") << 1 << 0
            << QStringList{"TabStrip2", "Text13", "Text14", "Text15", "Text16", "TabStrip1"};
        QTest::newRow("Led parallèle") << 1 << 1
            << QStringList{"TabStrip2", "Text21", "Text22", "Text23", "Text24", "TabStrip1"};
        QTest::newRow("Zener") << 2 << 0
            << QStringList{"Text28", "Text27", "Text26", "Combo7(0)", "Valpro_txt", "TabStrip1"};
        QTest::newRow("Trans") << 3 << 0
            << QStringList{"Text31", "Text32", "Text34", "TabStrip1"};
        QTest::newRow("Résis") << 4 << 0
            << QStringList{"Combo1", "Combo2", "Combo3", "Combo4", "Combo6", "Combo5",
                           "Combo8", "Combo9", "Combo10", "Check1", "Combo11", "Combo12",
                           "Combo7(1)", "TabStrip1"};
    }
    void tabOrder() {
        QFETCH(int, tab);
        QFETCH(int, ledTab);
        QFETCH(QStringList, order);
        w->TabStrip1->setCurrentIndex(tab);
        w->TabStrip2->setCurrentIndex(ledTab);
        QWidget* first = w->findChild<QWidget*>(order.first());
        QCOMPARE(walk(first, int(order.size())), order);
    }

    void tabsFromTheKeyboard() {
        w->Text1->setFocus();
        QTest::keyClick(w->Text1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w->TabStrip1->currentIndex(), 1);
        QVERIFY(!w->Picture1[1]->isHidden());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->TabStrip1->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w->TabStrip1->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w->TabStrip1->currentIndex(), 5); // round to the last tab
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("unit");
        QTest::newRow("Text1") << "Text1" << "U" << "Volts";
        QTest::newRow("Text12") << "Text12" << "I résultat" << "Ampères";
        QTest::newRow("Text13") << "Text13" << "U alim" << "Volts";
        QTest::newRow("Text16") << "Text16" << "N. led" << "";
        QTest::newRow("Text19") << "Text19" << "Puissance de la résistance" << "Watts";
        QTest::newRow("Text27") << "Text27" << "Tension zener" << "Volts";
        QTest::newRow("Valpro_txt") << "Valpro_txt" << "Résistance la plus proche" << "Ohms";
        QTest::newRow("Text35") << "Text35" << "R" << "k Ohm";
    }
    void accessibleNames() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QFETCH(QString, unit);
        auto* c = w->findChild<QWidget*>(name);
        QCOMPARE(c->accessibleName(), spoken);
        QCOMPARE(c->accessibleDescription(), unit);
    }

    void everyFieldAndListHasAName() {
        QStringList unnamed;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const bool field = qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parentWidget());
            if ((field || qobject_cast<QComboBox*>(c)) && c->accessibleName().isEmpty())
                unnamed << c->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(' ')));
    }

    void powerModeRenamesItsFirstRow() {
        QTest::mouseClick(w->Option1[1], Qt::LeftButton);
        QCOMPARE(w->Text4->accessibleName(), QStringLiteral("R"));
        QCOMPARE(w->Text4->accessibleDescription(), QStringLiteral("Ohms"));
    }
};

KIREL_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
