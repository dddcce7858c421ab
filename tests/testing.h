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
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>

#include "kit/controls.h"
#include "kit/theme.h"
#include "numbers/numbers.h"
#include "window/app.h"
#include "window/base.h"

namespace testing {

// A control of the window by its name ("Combo7(1)"), and the n members of an array.
template <class T = QWidget>
T* get(const QWidget& w, const QString& name) {
    return w.findChild<T*>(name);
}
template <class T = QWidget>
QList<T*> all(const QWidget& w, const QString& name, int n) {
    QList<T*> out;
    for (int i = 0; i < n; ++i) out << get<T>(w, name + u'(' + QString::number(i) + u')');
    return out;
}

// Every resistance the calculators hand over is kept, as written, for "handed".
inline void watch(Base& w) {
    QObject::connect(&w, &Base::resistanceComputed, &w,
                     [&w](double ohms) { w.setProperty("handed", numbers::writeNumber(ohms)); });
}

// The two locales the tests run in: a decimal comma and a decimal point.
inline const QLocale french(QLocale::French, QLocale::France);
inline const QLocale english(QLocale::English, QLocale::UnitedStates);

// Replaces the whole text of a field by typing: select all, then the keys, or
// Backspace ("\b") for no text.
inline void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text.isEmpty() ? QStringLiteral("\b") : text);
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

// Keys pressed in a control, space between them: key sequences ("Ctrl+Z", "Return",
// "Num+." the keypad's decimal key), "Annuler" or "Rétablir" from a field's menu,
// found by its French text, any other text typed key by key ("\b" is Backspace).
inline void press(QWidget* c, const QString& keys) {
    for (const QString& k : keys.split(u' ', Qt::SkipEmptyParts)) {
        if (k == u"Annuler" || k == u"Rétablir") {
            QContextMenuEvent asked(QContextMenuEvent::Keyboard, {}, c->mapToGlobal(QPoint()));
            QApplication::sendEvent(c, &asked);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->text().section(u'\t', 0, 0).remove(u'&') == k) a->trigger();
            menu->close();
        } else if (k.size() > 1 && (k.contains(u'+') || k[0].isUpper())) {
            QTest::keySequence(c, QKeySequence(k));
        } else {
            QTest::keyClicks(c, k);
        }
    }
}

// Acts as the user, step after step, "; " between the steps:
//   Text1=12      types 12 into the field, key by key
//   Text1:=1e300  pastes the text whole, as one change
//   Combo5=Marron picks the item of the list; Combo2~Rouge types into its edit part
//   Check1        clicks the control (button, check box, option button, label)
//   Text3>\b Ctrl+Z focuses the control and presses the keys (press), Text3>5
//                 types after the caret
//   handed=100    a calculator hands 100 ohms over to the "Résis" tab
//   tab=4         turns to the fifth tab; locale=fr sets the French locale,
//                 locale=de_DE any other
inline void act(Base& w, const QString& steps) {
    for (const QString& step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const qsizetype at = step.indexOf(QRegularExpression(QStringLiteral("[=~>]")));
        const QString name = step.left(at < 0 ? step.size() : at);
        const QString value = at < 0 ? QString() : step.mid(at + 1);
        if (name == QLatin1String("handed")) {
            w.setProperty("handed", value);
            if (const numbers::Num ohms = numbers::localeNumber(value)) w.showResistance(*ohms);
        } else if (name == QLatin1String("tab")) {
            w.selectTab(value.toInt());
        } else if (name == QLatin1String("locale")) {
            QLocale::setDefault(value == QLatin1String("fr") ? french : QLocale(value));
        } else if (at < 0 || step[at] == u'>') {
            QWidget* c = w.findChild<QWidget*>(name);
            QVERIFY2(c, qPrintable("no control " + name));
            at < 0 ? QTest::mouseClick(c, Qt::LeftButton) : (c->setFocus(), press(c, value));
        } else if (name.endsWith(u':')) {
            QLineEdit* f = w.findChild<QLineEdit*>(name.chopped(1));
            f->selectAll();
            f->isReadOnly() ? f->setText(value) : f->insert(value); // an output: a program write
        } else if (auto* f = w.findChild<QLineEdit*>(name)) {
            type(f, value);
        } else if (auto* list = w.findChild<QComboBox*>(name)) {
            step[at] == u'~' ? type(list->lineEdit(), value) : pick(list, value); // its edit part
        } else {
            QFAIL(qPrintable("no control " + name));
        }
    }
}

// What a control shows, by its name: a field's, label's or list's text; "-" for
// a hidden control; "handed" is the last resistance handed over; "Text1@" is
// where the caret of Text1 stands ("0-1": the caret at 1, 0 to 1 selected); "Text1#" what a
// screen reader says of it; "Combo2!" whether a list is locked, and greyed.
inline QString read(const Base& w, const QString& name) {
    if (name == QLatin1String("handed")) return w.property("handed").toString();
    const QString base = name.chopped(1);
    if (name.endsWith(u'@')) {
        const QLineEdit* f = w.findChild<QLineEdit*>(base);
        const QString caret = QString::number(f->cursorPosition());
        return f->hasSelectedText() ? QString::number(f->selectionStart()) + '-' + caret : caret;
    }
    if (name.endsWith(u'#')) {
        const QWidget* c = w.findChild<QWidget*>(base);
        return c->accessibleName() + " / " + c->accessibleDescription();
    }
    if (name.endsWith(u'!')) {
        const QComboBox* list = w.findChild<QComboBox*>(base);
        const bool typed = list->lineEdit() && !list->lineEdit()->isReadOnly(); // a paste would do
        // Unlocked, a list of choices takes the wheel's focus again, as before any lock.
        const bool wheel = list->isEditable() || list->focusPolicy() == Qt::WheelFocus;
        return QLatin1String(isLocked(list) && !typed ? "locked"
                             : wheel                  ? "open"
                                                      : "open, no wheel") +
               QLatin1String(textColour(list) == theme::scrollBar() ? " grey" : "");
    }
    const QWidget* c = w.findChild<QWidget*>(name);
    if (!c) return QStringLiteral("(none)");
    if (c->isHidden()) return QStringLiteral("-");
    if (auto* f = qobject_cast<const QLineEdit*>(c)) return f->text();
    if (auto* l = qobject_cast<const QLabel*>(c)) return l->text();
    if (auto* list = qobject_cast<const QComboBox*>(c)) return list->currentText();
    return QStringLiteral("shown");
}

// What a suite reads of its own by a name, beyond single controls.
using Own = std::function<std::optional<QString>(const QString&)>;

// A table of scenarios, one row a {name, steps, what the window shows}; %1, %2…
// in a row stand for parts, steps or expectations that several rows share.
template <std::size_t N>
void addScenarios(const char* const (&rows)[N][3], const QStringList& parts = {}) {
    auto fill = [&](const char* row) {
        QString text = QString::fromUtf8(row);
        for (qsizetype i = parts.size(); i > 0; --i) // %12 before %1
            text.replace(u'%' + QString::number(i), parts[i - 1]);
        return text;
    };
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    for (const auto& r : rows) QTest::newRow(r[0]) << fill(r[1]) << fill(r[2]);
}

// Runs the steps of the current row, then compares what the window shows, read
// back name by name; a suite reads names of its own through more.
inline void runScenario(Base& w, const Own& more = {}) {
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    act(w, steps);
    QStringList seen;
    for (const QString& pair : shown.split(QStringLiteral("; "))) {
        const QString name = pair.section(u'=', 0, 0);
        seen << name + u'=' + (more ? more(name) : std::nullopt).value_or(read(w, name));
    }
    QCOMPARE(seen.join(QStringLiteral("; ")), shown);
}

// A suite of window tests: the program's own style, font and translations, a
// fresh window for each test in the English locale, whatever the user's, shown,
// active and turned to the suite's tab.
class WindowSuite : public QObject {
    Q_OBJECT

protected:
    explicit WindowSuite(int tab = 0) : tab_(tab) {}
    std::unique_ptr<Base> w;

private slots:
    void initTestCase() {
        kirel::setupApplication(*qApp);
        // The headless platform warns each time a list opens its popup; that is no fault.
        static const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
            if (!m.startsWith(QLatin1String("This plugin does not support"))) testLog(t, c, m);
        });
    }
    void init() {
        QLocale::setDefault(english);
        w = std::make_unique<Base>();
        watch(*w);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->selectTab(tab_);
    }
    void cleanup() { w.reset(); }

private:
    int tab_;
};

} // namespace testing
