// Drives the window along scripted paths and writes out, after each step, the
// state of every control that changed: text, index, checked, hidden, enabled,
// palette, fill and border colours, geometry, font, maximum length, caret,
// undo, screen-reader name and description, tooltip, focus. Run on two
// commits and compare the outputs: a change meant to alter nothing visible
// leaves them identical.
//
//   kirel-statedump PATHS > state.txt   (QT_QPA_PLATFORM=offscreen)
//
// PATHS holds one path a line (# starts a comment), each on a fresh window in
// an English locale, turned to the "Résis" tab; its steps, "; " between them,
// are those of tests/testing.h (Text1=12 typed, Text1:=1e-9 pasted, Combo2=Rouge
// picked, Combo2~Rouge typed into the edit part, Check1 clicked, tab=2,
// locale=fr) and: focus=Combo1, key=Tab (Backtab, Return, Back, Up, Down) and
// keys=Rouge, sent to the control that has the focus.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "window/app.h"
#include "window/base.h"

namespace {
using State = std::map<QString, QString>;

// A control by its name and its parents' ("Picture1(4)/Combo2"); an unnamed
// one by its class and its place among its parent's children.
QString path(const QWidget* w, const QWidget* top) {
    QStringList parts;
    for (const QWidget* p = w; p && p != top; p = p->parentWidget()) {
        QString n = p->objectName();
        if (n.isEmpty())
            n = QString::fromLatin1(p->metaObject()->className()) + u'#' +
                QString::number(p->parent()->children().indexOf(const_cast<QWidget*>(p)));
        parts.prepend(n);
    }
    return parts.join(u'/');
}

QString colours(const QWidget* w) {
    QString out;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            out += QString::number(w->palette().color(group, QPalette::ColorRole(r)).rgba(), 16) +
                   u' ';
        out += u'|';
    }
    return out;
}

QString state(const QWidget* w) {
    const QRect g = w->geometry();
    QStringList s{
        QString::fromLatin1(w->metaObject()->className()),
        QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()),
        w->isHidden() ? "hidden" : "shown",
        w->isVisible() ? "visible" : "unseen",
        w->isEnabled() ? "enabled" : "disabled",
        "font=" + w->font().toString(),
        "palette=" + colours(w),
        "own palette=" + QString::number(w->testAttribute(Qt::WA_SetPalette)),
        "fill=" + QString::number(w->autoFillBackground()),
        "spoken=" + w->accessibleName() + " / " + w->accessibleDescription(),
        "tip=" + w->toolTip(),
        "focus policy=" + QString::number(w->focusPolicy()),
        "focus=" + QString::number(w->hasFocus())};
    for (const QByteArray& n : w->dynamicPropertyNames()) {
        const QVariant v = w->property(n);
        s << QString::fromLatin1(n) + u'=' +
                 (v.typeId() == QMetaType::QColor ? v.value<QColor>().name(QColor::HexArgb)
                                                  : v.toString());
    }
    for (const char* colour : {"fillColor", "borderColor"})
        if (const QVariant v = w->property(colour); v.isValid())
            s << QString::fromLatin1(colour) + u'=' + v.value<QColor>().name(QColor::HexArgb);
    if (auto* f = qobject_cast<const QLineEdit*>(w))
        s << "text=" + f->text() << "max=" + QString::number(f->maxLength())
          << "read-only=" + QString::number(f->isReadOnly())
          << "caret=" + QString::number(f->cursorPosition())
          << "selection=" + QString::number(f->selectionStart()) + u':' + f->selectedText()
          << "align=" + QString::number(f->alignment())
          << "undo=" + QString::number(f->isUndoAvailable()) + QString::number(f->isRedoAvailable())
          << "modified=" + QString::number(f->isModified());
    if (auto* l = qobject_cast<const QLabel*>(w))
        s << "text=" + l->text() << "align=" + QString::number(l->alignment())
          << "buddy=" + (l->buddy() ? l->buddy()->objectName() : QString());
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        s << "index=" + QString::number(c->currentIndex()) << "current=" + c->currentText()
          << "items=" + items.join(u',');
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        s << "text=" + b->text() << "checked=" + QString::number(b->isChecked());
    if (auto* t = qobject_cast<const QTabBar*>(w)) s << "tab=" + QString::number(t->currentIndex());
    return s.join(QStringLiteral(" ; "));
}

State snapshot(const Base& w) {
    State out;
    for (const QWidget* c : w.findChildren<QWidget*>()) out[path(c, &w)] = state(c);
    out[QStringLiteral("<focus>")] = w.focusWidget() ? path(w.focusWidget(), &w) : "none";
    return out;
}

// The control that has the focus; a list's edit part for an editable list.
QWidget* focused(Base& w) {
    QWidget* f = QApplication::focusWidget() ? QApplication::focusWidget() : w.focusWidget();
    if (auto* list = qobject_cast<QComboBox*>(f); list && list->lineEdit()) return list->lineEdit();
    return f;
}

bool act(Base& w, const QString& step) {
    const qsizetype at = step.indexOf(QRegularExpression(QStringLiteral("[=~]")));
    const QString name = step.left(at < 0 ? step.size() : at);
    const QString value = at < 0 ? QString() : step.mid(at + 1);
    if (name == u"tab") {
        w.selectTab(value.toInt());
    } else if (name == u"locale") {
        QLocale::setDefault(value == u"fr" ? QLocale(QLocale::French, QLocale::France)
                                           : QLocale(QLocale::English, QLocale::UnitedStates));
    } else if (name == u"focus") {
        w.findChild<QWidget*>(value)->setFocus(Qt::TabFocusReason);
    } else if (name == u"key") {
        const std::map<QString, Qt::Key> keys{
            {"Tab", Qt::Key_Tab},        {"Backtab", Qt::Key_Backtab}, {"Return", Qt::Key_Return},
            {"Back", Qt::Key_Backspace}, {"Up", Qt::Key_Up},           {"Down", Qt::Key_Down}};
        QTest::keyClick(focused(w), keys.at(value));
    } else if (name == u"keys") {
        QTest::keyClick(focused(w), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(w), value);
    } else if (at < 0) {
        QWidget* c = w.findChild<QWidget*>(name);
        if (!c) return false;
        QTest::mouseClick(c, Qt::LeftButton);
    } else if (name.endsWith(u':')) {
        QLineEdit* f = w.findChild<QLineEdit*>(name.chopped(1));
        if (!f) return false;
        f->setFocus();
        f->selectAll();
        f->insert(value);
    } else if (auto* f = w.findChild<QLineEdit*>(name)) {
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, value.isEmpty() ? QStringLiteral("\b") : value);
    } else if (auto* list = w.findChild<QComboBox*>(name)) {
        if (step[at] == u'~') {
            list->setFocus();
            QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(list->lineEdit(), value);
            return true;
        }
        const int i = list->findText(value);
        if (i < 0) return false;
        list->showPopup();
        QAbstractItemView* view = list->view();
        const QRect r = view->visualRect(view->model()->index(i, 0)) & view->viewport()->rect();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    } else {
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kirel::setupApplication(app);
    QFile script(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!script.open(QIODevice::ReadOnly)) {
        std::fputs("usage: kirel-statedump PATHS\n", stderr);
        return 2;
    }
    // The headless platform warns each time a list opens its popup.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTextStream out(stdout);
    State first;
    int n = 0;
    for (const QString& line : QString::fromUtf8(script.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Base w;
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w)) return 1;
        w.selectTab(Base::Resis);
        QApplication::processEvents();
        std::map<QString, int> changes; // textChanged of each field, per step
        for (QLineEdit* f : w.findChildren<QLineEdit*>())
            QObject::connect(f, &QLineEdit::textChanged,
                             [&changes, p = path(f, &w)] { ++changes[p]; });
        State before = snapshot(w);
        if (first.empty()) first = before;
        out << "=== path " << ++n << ": " << line << '\n'; // the first whole, then what differs
        for (const auto& [k, v] : before)
            if (n == 1 || first[k] != v) out << "  " << k << " = " << v << '\n';
        for (const QString& step : line.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            changes.clear();
            if (!act(w, step)) {
                out << "--- " << step << ": no such control or item\n";
                return 1;
            }
            QApplication::processEvents();
            const State now = snapshot(w);
            out << "--- " << step << '\n';
            for (const auto& [k, v] : now)
                if (before[k] != v) out << "  " << k << " = " << v << '\n';
            for (const auto& [k, count] : changes)
                out << "  textChanged " << k << " x" << count << '\n';
            before = now;
        }
    }
    return 0;
}
