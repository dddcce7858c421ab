#include "window/lists.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

#include "window/base.h"

ListRule::ListRule(QComboBox* list, QObject* context, std::function<void()> rule)
    : QObject(context), list_(list), rule_(std::move(rule)) {
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

void ListRule::changed() {
    if (writing_) return;
    ranForPick_ = true;
    rule_();
}

void ListRule::write(int index) {
    ++writing_;
    list_->setCurrentIndex(index);
    if (list_->isEditable() && index >= 0) list_->setEditText(list_->itemText(index));
    --writing_;
    rule_();
}

bool ListRule::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
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

void Base::setIndex(QComboBox* list, int index) {
    for (ListRule* r : handlers.findChildren<ListRule*>(Qt::FindDirectChildrenOnly))
        if (r->list() == list) return r->write(index);
    list->setCurrentIndex(index);
}
