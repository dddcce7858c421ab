// Typing is never punished: a grouped number typed key by key, the point on a
// French keyboard, every blank, Undo after a repair, and the keys that come
// before the window has built its other tabs.

#include <QMenu>

#include "testing.h"

namespace {
// Keys pressed in a field, space between them: "^Z" and "^Y" with Ctrl, "kp."
// the keypad's decimal key, "Annuler" and "Rétablir" from the field's menu;
// any other text typed key by key ("\b" is Backspace).
void press(QLineEdit* field, const QString& keys) {
    for (const QString& k : keys.split(u' ', Qt::SkipEmptyParts)) {
        if (k == u"^Z" || k == u"^Y") {
            QTest::keyClick(field, k == u"^Z" ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        } else if (k == u"kp.") {
            QTest::keyClick(field, Qt::Key_Period, Qt::KeypadModifier);
        } else if (k == u"Annuler" || k == u"Rétablir") {
            QContextMenuEvent asked(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                    field->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(field, &asked);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAction* entry = menu->actions().value(k == u"Annuler" ? 0 : 1);
            QCOMPARE(entry->text().section(u'\t', 0, 0).remove(u'&'), k);
            entry->trigger();
            menu->close();
        } else {
            QTest::keyClicks(field, k);
        }
    }
}

// Eats the window's posted build of its other tabs while it is installed.
class HoldBuild : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::MetaCall; }
};
} // namespace

class TestTyping : public testing::WindowSuite {
    Q_OBJECT

private slots:
    // Steps as the user acts (testing::act), then keys pressed in one field
    // ("Text3: \b ^Z"), then what the window shows.
    void typing_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        const char* const ohm = "Text1=230; Text3=";
        const char* const zener = "tab=2; Text28=12; Text26=20; ";
        const char* const rows[][4] = {
            // A grouped number typed key by key reads as the field shows it at
            // every key, with its results; every blank groups in French.
            {"1 0 in French", "locale=fr; %11 0", "", "Text3=1 0; Text12=23; Text9=10"},
            {"1 000 in French", "locale=fr; %11 000", "", "Text3=1 000; Text12=0,23; Text9=1000"},
            {"no-break space typed", "locale=fr; %11\u00a0000", "", "Text12=0,23"},
            {"thin spaces pasted", "locale=fr; Text1=230; Text3:=1\u2009000; Text2:=2\u202f0", "",
             "Text12=0,23; Text11=11,5"},
            {"1.000 in German", "locale=de_DE; %11.000", "", "Text3=1.000; Text12=0,23"},
            {"1,000 in English", "%11,000", "", "Text3=1,000; Text12=0.23"},
            {"1 000 ohms rated", "locale=fr; %2Text27=5,1; Valpro_txt=1 000", "",
             "Valpro_txt=1 000; Text29=6,9; zdno=shown; zdok=-"},
            // The point is the decimal comma in French, typed or pasted; in German
            // it groups, in English it is the point.
            {"point typed, French", "locale=fr; Text4=0.5; %2Valpro_txt=0.5", "",
             "Text4=0,5; Text7=0,5; Valpro_txt=0,5"},
            {"point pasted, French", "locale=fr; Text4:=0.5; Text5:=1.000; Text6:=1.0,5", "",
             "Text4=0,5; Text5=1,000; Text6=1"},
            {"keypad's point, French", "locale=fr", "Text4: \b 2 kp. 5", "Text4=2,5"},
            {"point typed, German", "locale=de_DE; Text4=1.5; Text5:=0.5", "",
             "Text4=1.5; Text5=0.5; Text7=75"},
            {"point typed, English", "Text4=0.5", "", "Text4=0.5; Text7=0.5"},
            // A repair and the key or paste that called for it are one step of
            // Undo, and of Redo, which gives the repair back as it was.
            {"Backspace undone", "%15", "Text3: \b ^Z", "Text3=5; Text12=46; Text9=5"},
            {"and redone", "%15", "Text3: \b ^Z ^Y", "Text3=1; Text3@=0-1; Text12=230; Text9=1"},
            {"and undone again", "%15", "Text3: \b ^Z ^Y ^Z", "Text3=5; Text12=46"},
            {"from the menu", "%15", "Text3: \b Annuler Rétablir Annuler", "Text3=5; Text12=46"},
            {"paste undone", "%15; Text3:=abc", "Text3: ^Z", "Text3=5; Text12=46"},
            {"rewritten point undone", "locale=fr; Text4=2; Text4:=0.5", "Text4: ^Z",
             "Text4=2; Text7=2"},
            {"and redone", "locale=fr; Text4=2; Text4:=0.5", "Text4: ^Z ^Y",
             "Text4=0,5; Text7=0,5"},
            {"rated value undone", "%2Text27=5.1; Valpro_txt=470", "Valpro_txt: \b \b \b ^Z",
             "Valpro_txt=470; Text29=14.681; zdno=shown"},
        };
        const QStringList parts{ohm, zener};
        for (const auto& r : rows) {
            QString steps = QString::fromUtf8(r[1]);
            for (qsizetype i = parts.size(); i > 0; --i)
                steps.replace(u'%' + QString::number(i), parts[i - 1]);
            QTest::newRow(r[0]) << steps << QString::fromUtf8(r[2]) << QString::fromUtf8(r[3]);
        }
    }
    void typing() {
        QFETCH(QString, steps);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        testing::act(*w, steps);
        if (!keys.isEmpty())
            press(testing::get<QLineEdit>(*w, keys.section(u':', 0, 0)), keys.section(u':', 1));
        QCOMPARE(testing::seen(*w, shown), shown);
    }

    // Keys that come before the window has built its other tabs act as after:
    // between show() and the first paint, and with the window painted and
    // active while the build waits.
    void keysBeforeTheOtherTabs() {
        QLocale::setDefault(testing::french);
        HoldBuild hold;
        Base later(Base::Build::ShownFirst);
        later.installEventFilter(&hold);
        later.show();
        auto* u = testing::get<QLineEdit>(later, "Text4");
        auto* i = testing::get<QLineEdit>(later, "Text5");
        press(u, "\b 2 kp. 5");
        press(i, "\b 0.5 \b \b \b ^Z");
        QCOMPARE(u->text() + u' ' + i->text(), QStringLiteral("2,5 0,5"));
        QVERIFY(QTest::qWaitForWindowActive(&later));
        QVERIFY(!later.findChild<QWidget*>("Text13"));
        QTest::keyClick(u, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(testing::get<TabStrip>(later, "TabStrip1")->currentIndex(), 1);
        QVERIFY(later.findChild<QWidget*>("Text13"));
    }
};

QTEST_MAIN(TestTyping)
#include "test_typing.moc"
