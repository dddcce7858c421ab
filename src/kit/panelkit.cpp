#include "kit/panelkit.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSignalBlocker>

#include "kit/build.h"
#include "kit/controls.h"
#include "kit/lists.h"

namespace kit {

Num leading(const QLineEdit* field) { return numbers::finite(numbers::fieldNumber(field->text())); }

Num inLocale(const QLineEdit* field) { return numbers::localeNumber(field->text()); }

void write(QLineEdit* field, Num v) {
    if (v) show(field, numbers::writeNumber(*v));
}

void show(QLineEdit* field, const QString& text) {
    if (field->isReadOnly() && field->text() == text) return;
    field->setText(text);
}

void repairToOne(QLineEdit* field) {
    field->selectAll();
    field->insert(QStringLiteral("1")); // an edit, which the field can undo
    field->setSelection(0, 1);
}

namespace {
// What QKeyEvent::matches() answers for undo and redo, with the platform's
// bindings read once: matches() gathers them anew at every call, and the rule
// below asks at every key typed.
bool isStep(const QKeyEvent* key, QKeySequence::StandardKey step) {
    static const QList<QKeySequence> undo = QKeySequence::keyBindings(QKeySequence::Undo);
    static const QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    const int searched = int((uint(key->modifiers().toInt()) | uint(key->key())) &
                             ~(uint(Qt::KeypadModifier) | uint(Qt::GroupSwitchModifier)));
    return (step == QKeySequence::Undo ? undo : redo).contains(QKeySequence(searched));
}

// A numeric field's rule, and its keys.
class NumericField : public QObject {
public:
    NumericField(QLineEdit* field, QObject* context, std::function<void()> calc)
        : QObject(field), field_(field), calc_(std::move(calc)) {
        field->setProperty(kNumericField, true);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, context, [this] { followRule(); });
    }

private:
    // A number runs the calculator. A text that is one once its points are
    // read as the locale's decimal comma is written so; any other becomes "1".
    // Either write runs this rule again, with a number.
    void followRule() {
        const QString text = field_->text();
        if (numbers::isNumeric(text)) return calc_();
        if (stepping_) return; // an undo or redo going on to a number
        const QString pointed = QString(text).replace(u'.', numbers::pointMeans());
        if (pointed == text || !numbers::isNumeric(pointed)) return repairToOne(field_);
        const int caret = field_->cursorPosition();
        field_->selectAll();
        field_->insert(pointed);
        field_->setCursorPosition(caret);
    }

    // Undo and redo go on over the texts that were no number, so that a
    // keystroke or paste and the field's repair or rewrite are one step.
    // A redo that ends on a repair leaves it as the repair did: selected.
    void walkHistory(bool back) {
        stepping_ = true;
        bool passed = false;
        while (back ? field_->isUndoAvailable() : field_->isRedoAvailable()) {
            back ? field_->undo() : field_->redo();
            if (numbers::isNumeric(field_->text())) break;
            passed = true;
        }
        stepping_ = false;
        if (!numbers::isNumeric(field_->text())) return followRule(); // nothing left to go to
        if (!back && passed && field_->text() == u"1") field_->selectAll();
    }

    bool eventFilter(QObject*, QEvent* ev) override {
        if (ev->type() == QEvent::ContextMenu) {
            // The menu's Undo and Redo, its first two entries, step as the keys do.
            QMenu* menu = field_->createStandardContextMenu();
            const QList<QAction*> entries = menu->actions();
            for (qsizetype k = 0; k < std::min<qsizetype>(2, entries.size()); ++k) {
                disconnect(entries[k], &QAction::triggered, field_, nullptr);
                connect(entries[k], &QAction::triggered, this, [this, k] { walkHistory(k == 0); });
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(ev)->globalPos());
            return true;
        }
        if (ev->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(ev);
        const bool redoY = key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
        const bool undo = isStep(key, QKeySequence::Undo);
        if (undo || redoY || isStep(key, QKeySequence::Redo)) {
            walkHistory(undo);
            return true;
        }
        // The keypad's decimal key sends "." or "," whatever the locale: it types
        // the locale's decimal point; a "." from any other key, what it means.
        const bool keypadPoint = key->modifiers() == Qt::KeypadModifier &&
                                 (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma);
        const bool plain =
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        const QString typed = keypadPoint                    ? QLocale().decimalPoint()
                              : plain && key->text() == u"." ? numbers::pointMeans()
                                                             : QString();
        if (typed.isEmpty() || typed == key->text() || field_->isReadOnly()) return false;
        field_->insert(typed);
        return true;
    }

    QLineEdit* field_;
    std::function<void()> calc_;
    bool stepping_ = false;
};
} // namespace

void numericField(QLineEdit* field, QObject* context, std::function<void()> calc) {
    new NumericField(field, context, std::move(calc));
}

void fill(QComboBox* list, const QStringList& items, int start) {
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(-1);
    }
    list->setCurrentIndex(start);
}

void onChoice(QComboBox* list, QObject* context, std::function<void()> rule) {
    new ListRule(list, context, std::move(rule));
}

void setIndex(QComboBox* list, int index) {
    if (ListRule* r = ListRule::of(list)) return r->write(index);
    list->setCurrentIndex(index);
}

void showIndex(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    if (ListRule* r = ListRule::of(list)) return r->write(index, false);
    list->setCurrentIndex(index);
}

void commit(QComboBox* list) {
    if (ListRule* r = ListRule::of(list)) r->commit();
}

int shownItem(const QComboBox* list) {
    return list->findText(list->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

void name(std::initializer_list<Spoken> controls) {
    for (const Spoken& n : controls) {
        const QString spoken = QString::fromUtf8(n.name);
        n.control->setAccessibleName(spoken);
        n.control->setAccessibleDescription(QString::fromUtf8(n.description));
        if (n.caption) n.caption->setBuddy(n.control);
        auto* list = qobject_cast<QComboBox*>(n.control);
        if (!list) continue;
        if (QLineEdit* edit = list->lineEdit()) edit->setAccessibleName(spoken);
        if (!n.caption || build::spoken(n.caption->text()) != spoken) {
            auto* unseen = new QLabel(spoken, list->parentWidget());
            unseen->hide();
            unseen->setBuddy(list);
        }
    }
}

} // namespace kit
