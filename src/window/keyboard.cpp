// Keyboard: the Tab key walks each tab's inputs in reading order, the main tabs
// change with Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PgDown / Ctrl+PgUp from the
// first paint on, and every text field redoes with Ctrl+Y (the numeric fields
// have their own undo, redo and decimal keys from the moment they are built:
// kit::numericField).

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

#include "kit/controls.h"
#include "tabs/bases.h"
#include "tabs/led.h"
#include "tabs/resis.h"
#include "tabs/trans.h"
#include "tabs/zener.h"
#include "window/base.h"

namespace {
// Ctrl+Y in the text fields beyond the numeric ones (Qt knows Ctrl+Shift+Z only, here).
class FieldKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (ev->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(ev)->keyCombination() !=
                                                  QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
            return false;
        static_cast<QLineEdit*>(obj)->redo();
        return true;
    }
};
} // namespace

void Base::setupKeyboard() {
    auto* keys = new FieldKeys(this);
    for (QLineEdit* f : findChildren<QLineEdit*>())
        if (!f->property(kNumericField).toBool()) f->installEventFilter(keys);

    // One chain through every tab; the hidden panels' controls are skipped by Qt.
    QList<QWidget*> order{TabStrip1};
    order << bases_->focusChain() << led_->focusChain() << zener_->focusChain()
          << trans_->focusChain() << resis_->focusChain();
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// Before the first paint: keys that come with it find the shortcuts there.
void Base::setupShortcuts() {
    auto step = [this](int by) {
        const int n = TabStrip1->count();
        TabStrip1->setCurrentIndex((TabStrip1->currentIndex() + by + n) % n);
    };
    const struct {
        QKeySequence keys;
        int by;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), +1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), +1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& s : shortcuts) {
        auto* sc = new QShortcut(s.keys, this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, [step, by = s.by] { step(by); });
    }
}
