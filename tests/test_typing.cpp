// Typing is never punished: a grouped number typed key by key, the point on a
// French keyboard, Undo after a repair (from the field's menu,
// whose texts are French whatever the locale), and the keys that come
// before the window has built its other tabs.

#include "testing.h"

namespace {
// Eats the window's posted build of its other tabs while it is installed.
class HoldBuild : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::MetaCall; }
};
} // namespace

class TestTyping : public testing::WindowSuite {
    Q_OBJECT

private slots:
    // Steps as the user acts, keys pressed in a field among them ("Text3>\b Ctrl+Z"),
    // then what the window shows.
    void typing_data() {
        const char* const ohm = "Text1=230; Text3=";
        const char* const zener = "tab=2; Text28=12; Text26=20; ";
        const char* const rows[][3] = {
            // A grouped number typed key by key reads as the field shows it at
            // every key, with its results (the other blanks and the other
            // locales' groups, key by key: test_rules).
            {"1 000 in French", "locale=fr; %11 000", "Text3=1 000; Text12=0,23; Text9=1000"},
            {"1 000 ohms rated", "locale=fr; %2Text27=5,1; Valpro_txt=1 000",
             "Valpro_txt=1 000; Text29=6,9; zdno=shown; zdok=-"},
            // The point is the decimal comma in French, typed or pasted (elsewhere
            // what it means: test_rules); the keypad's decimal key types the
            // locale's decimal point, also where the point groups.
            {"point, French", "locale=fr; Text4=0.5; Text5:=0.5; Text6:=1.0,5; %2Valpro_txt=0.5",
             "Text4=0,5; Text5=0,5; Text6=1; Valpro_txt=0,5"},
            {"keypad's point, German", "locale=de_DE; Valpro_txt>\b 2 Num+. 5", "Valpro_txt=2,5"},
            // A repair and the key or paste that called for it are one step of
            // Undo, and of Redo, which gives the repair back as it was.
            {"Backspace undone", "%15; Text3>\b Ctrl+Z", "Text3=5; Text12=46; Text9=5"},
            {"and redone", "%15; Text3>\b Ctrl+Z Ctrl+Y",
             "Text3=1; Text3@=0-1; Text12=230; Text9=1"},
            {"from the menu", "%15; Text3>\b Annuler Rétablir Annuler", "Text3=5; Text12=46"},
            {"paste undone", "%15; Text3:=abc; Text3>Ctrl+Z", "Text3=5; Text12=46"},
            {"rewritten point undone", "locale=fr; Text4=2; Text4:=0.5; Text4>Ctrl+Z",
             "Text4=2; Text7=2"},
        };
        testing::addScenarios(rows, {ohm, zener});
    }
    void typing() { testing::runScenario(*w); }

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
        testing::press(u, "\b 2 Num+. 5");
        testing::press(i, "\b 0.5 \b \b \b Ctrl+Z");
        QCOMPARE(u->text() + u' ' + i->text(), QStringLiteral("2,5 0,5"));
        QVERIFY(QTest::qWaitForWindowActive(&later) && !later.findChild<QWidget*>("Text13"));
        testing::press(u, "Ctrl+Tab");
        QCOMPARE(testing::get<TabStrip>(later, "TabStrip1")->currentIndex(), 1);
    }
};

QTEST_MAIN(TestTyping)
#include "test_typing.moc"
