#include "kit/lists.h"

#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// The rule of each list that has one: looked up on every program write.
QHash<const QComboBox*, ListRule*>& rules() {
    static QHash<const QComboBox*, ListRule*> table;
    return table;
}
} // namespace

ListRule::ListRule(QComboBox* list, QObject* context, std::function<void()> rule)
    : QObject(context), list_(list), rule_(std::move(rule)) {
    guard_ = list;
    rules().insert(list, this);
    connect(list, &QObject::destroyed, this, [list] { rules().remove(list); });
    // An editable list shows what its edit part holds: the rules read that text,
    // which a new index replaces. A pick-only list changes by its index.
    if (list->isEditable())
        connect(list, &QComboBox::editTextChanged, this, [this] { changed(); });
    else
        connect(list, &QComboBox::currentIndexChanged, this, [this] { changed(); });
    // Qt tells a pick after it has set the index: a pick of the item already
    // shown changed nothing, and runs the rule here.
    connect(list, &QComboBox::activated, this, [this] {
        if (!ranForPick_) rule_();
        ranForPick_ = false;
    });
    // A user's action begins with a key, the wheel, a click, or the popup
    // opening. The popup is a child window Qt makes on first use: it is
    // watched from its creation on.
    list->installEventFilter(this);
    for (QObject* child : list->children()) child->installEventFilter(this);
}

ListRule::~ListRule() {
    if (guard_) rules().remove(list_);
}

void ListRule::changed() {
    if (writing_) return;
    ranForPick_ = true;
    if (list_->isEditable()) {
        const int item = list_->findText(list_->currentText(), Qt::MatchExactly);
        if (item >= 0) applied_ = item;
    }
    rule_();
}

void ListRule::commit() {
    if (!list_->isEditable()) return;
    const QString text = list_->currentText();
    // Mostly the list shows its current item, as its index says: nothing to do.
    const int current = list_->currentIndex();
    if (current >= 0 && list_->itemText(current) == text) return;
    if (list_->findText(text, Qt::MatchExactly) >= 0) return;
    const int named = list_->findText(text, Qt::MatchFixedString); // any case
    write(named >= 0 ? named : applied_ >= 0 ? applied_ : list_->currentIndex());
}

void ListRule::write(int index, bool runRule) {
    applied_ = index;
    ++writing_;
    // The index it has already is set again only to empty the edit part.
    if (list_->currentIndex() != index || (index < 0 && !list_->currentText().isEmpty()))
        list_->setCurrentIndex(index);
    if (list_->isEditable() && index >= 0) list_->setEditText(list_->itemText(index));
    --writing_;
    if (runRule) rule_();
}

bool ListRule::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
        if (const int key = static_cast<QKeyEvent*>(e)->key();
            key == Qt::Key_Return || key == Qt::Key_Enter)
            commit();
        ranForPick_ = false;
        break;
    case QEvent::FocusOut:
        // Not for its own popup, nor when the whole window loses the focus.
        if (const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
            why != Qt::PopupFocusReason && why != Qt::ActiveWindowFocusReason)
            commit();
        break;
    case QEvent::Wheel:
    case QEvent::MouseButtonPress: ranForPick_ = false; break;
    case QEvent::Show:
        if (watched != list_) ranForPick_ = false;
        break;
    case QEvent::ChildAdded:
        if (watched == list_) static_cast<QChildEvent*>(e)->child()->installEventFilter(this);
        break;
    default: break;
    }
    return QObject::eventFilter(watched, e);
}

ListRule* ListRule::of(const QComboBox* list) { return rules().value(list); }
