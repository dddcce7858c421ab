#pragma once
// Shared by the window tests: the application set-up of the real program, and
// typing into fields the way a user does.

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

#include "window/app.h"
#include "window/base.h"

// Like QTEST_MAIN, with the program's own style and font.
#define KIREL_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char* argv[]) {                                                       \
        QApplication app(argc, argv);                                                        \
        kirel::setupApplication(app);                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                           \
        TestObject tc;                                                                       \
        return QTest::qExec(&tc, argc, argv);                                                \
    }

namespace testing {

// A window shown and active, as the user finds it.
inline std::unique_ptr<Base> openWindow() {
    auto w = std::make_unique<Base>();
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("the window did not become active");
    return w;
}

// Replaces the whole text of a field by typing: select all, then the keys.
inline void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

// Sets the default locale for one test and restores the previous one after it.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& l) : saved_(QLocale()) { QLocale::setDefault(l); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

inline QLocale french() { return QLocale(QLocale::French, QLocale::France); }
inline QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }

} // namespace testing
