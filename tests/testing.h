#pragma once
// Shared by the window tests: the application set-up of the real program, a
// window opened as the user finds it, and scenarios written as the user acts:
// steps typed, pasted, picked or clicked, then what the window shows.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>

#include "window/app.h"
#include "window/base.h"

// Like QTEST_MAIN, with the program's own style and font. The headless platform
// warns each time a list opens its popup; that is no fault.
#define KIREL_TEST_MAIN(TestObject)                                                                \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        kirel::setupApplication(app);                                                              \
        static const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);               \
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {    \
            if (!m.startsWith(QLatin1String("This plugin does not support")))                      \
                testHandler(t, c, m);                                                              \
        });                                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
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

// Picks an item the way a user does: opens the list and clicks the item.
inline void pick(QComboBox* list, const QString& item) {
    const int i = list->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect r = view->visualRect(view->model()->index(i, 0)) & view->viewport()->rect();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(list->currentIndex(), i);
}

// Types into the edit part of a band list, replacing its text.
inline void typeInto(QComboBox* list, const QString& text) {
    list->setFocus();
    QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list->lineEdit(), text);
}

// Acts as the user, step after step, "; " between the steps:
//   Text1=12      types 12 into the field, key by key
//   Text1:=1e300  pastes the text whole, as one change; Text1+=5 types after the caret
//   Combo5=Marron picks the item of the list; Combo2~Rouge types into its edit part
//   Check1        clicks the control (button, check box, option button, label)
//   valres=100    a calculator hands 100 ohms over to the "Résis" tab
//   tab=4         turns to the fifth tab; locale=fr sets the French locale
inline QLocale french() {
    return QLocale(QLocale::French, QLocale::France);
}
inline QLocale english() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

inline void act(Base& w, const QString& steps) {
    for (const QString& step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const qsizetype at = step.indexOf(QRegularExpression(QStringLiteral("[=~]")));
        const QString name = step.left(at < 0 ? step.size() : at);
        const QString value = at < 0 ? QString() : step.mid(at + 1);
        if (name == QLatin1String("valres")) {
            w.valres = value;
            w.affres();
        } else if (name == QLatin1String("tab")) {
            w.TabStrip1->setCurrentIndex(value.toInt());
        } else if (name == QLatin1String("locale")) {
            QLocale::setDefault(value == QLatin1String("fr") ? french() : english());
        } else if (at < 0) {
            QWidget* c = w.findChild<QWidget*>(name);
            QVERIFY2(c, qPrintable("no control " + name));
            QTest::mouseClick(c, Qt::LeftButton);
        } else if (name.endsWith(u'+')) {
            QTest::keyClicks(w.findChild<QLineEdit*>(name.chopped(1)), value);
        } else if (name.endsWith(u':')) {
            QLineEdit* f = w.findChild<QLineEdit*>(name.chopped(1));
            f->selectAll();
            f->isReadOnly() ? f->setText(value) : f->insert(value); // an output: a program write
        } else if (auto* f = w.findChild<QLineEdit*>(name)) {
            type(f, value);
        } else if (auto* list = w.findChild<QComboBox*>(name)) {
            step[at] == u'~' ? typeInto(list, value) : pick(list, value);
        } else {
            QFAIL(qPrintable("no control " + name));
        }
    }
}

// What a control shows, by its name: a field's, label's or list's text; "-" for
// a hidden control; "valres" is the last resistance handed over; "Text1@" is
// where the caret of Text1 stands.
inline QString read(const Base& w, const QString& name) {
    if (name == QLatin1String("valres")) return w.valres;
    if (name.endsWith(u'@'))
        return QString::number(w.findChild<QLineEdit*>(name.chopped(1))->cursorPosition());
    const QWidget* c = w.findChild<QWidget*>(name);
    if (!c) return QStringLiteral("(none)");
    if (c->isHidden()) return QStringLiteral("-");
    if (auto* f = qobject_cast<const QLineEdit*>(c)) return f->text();
    if (auto* l = qobject_cast<const QLabel*>(c)) return l->text();
    if (auto* list = qobject_cast<const QComboBox*>(c)) return list->currentText();
    return QStringLiteral("shown");
}

// The expected "name=text; name=text" read back from the window, to compare with
// the expectation; a suite reads names of its own through more.
inline QString seen(const Base& w, const QString& expected,
                    const std::function<std::optional<QString>(const QString&)>& more = {}) {
    QStringList out;
    for (const QString& pair : expected.split(QStringLiteral("; "))) {
        const QString name = pair.section(u'=', 0, 0);
        const std::optional<QString> own = more ? more(name) : std::nullopt;
        out << name + u'=' + own.value_or(read(w, name));
    }
    return out.join(QStringLiteral("; "));
}

// A table of scenarios, one row a {name, steps, what the window shows}.
// A row's texts may name parts that fill() writes out.
template <std::size_t N>
void addScenarios(const char* const (&rows)[N][3],
                  const std::function<QString(const char*)>& fill = [](const char* t) {
                      return QString::fromUtf8(t);
                  }) {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    for (const auto& r : rows) QTest::newRow(r[0]) << fill(r[1]) << fill(r[2]);
}

// Runs the steps of the current row, then compares what the window shows.
inline void runScenario(Base& w, const std::function<std::optional<QString>(const QString&)>& more = {}) {
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    act(w, steps);
    QCOMPARE(seen(w, shown, more), shown);
}

// Sets the default locale for one test and restores the previous one after it.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& l) : saved_(QLocale()) { QLocale::setDefault(l); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

} // namespace testing
