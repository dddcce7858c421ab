// Screen readers: what each field, list and option button is called, the
// tab strips' scroll buttons kept out of sight, and read-only fields and locked
// lists kept so.
//
// A reader says a field's name, or the caption tied to it as its label. On
// Linux, Qt gives a list the text of its current item as its name ("Marron"),
// so a list is only known by a caption tied to it: the lists with no caption on
// the window get one that is never shown, which names it all the same.

#include <QAccessible>
#include <QAccessibleObject>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include "kit/controls.h"
#include "window/base.h"

namespace {

// The scroll buttons of the tab strips, which are sized to their tabs and never
// scroll: absent to a reader (Qt would list them, hidden, among the tabs).
class Absent : public QAccessibleObject {
public:
    using QAccessibleObject::QAccessibleObject;
    bool isValid() const override { return false; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* absentScrollButtons(const QString& className, QObject* object) {
    if (className != QLatin1String("QToolButton")) return nullptr;
    // (Asked while the strip is still being built, when it is only a QTabBar.)
    return qobject_cast<const QTabBar*>(object->parent()) ? new Absent(object) : nullptr;
}

// Read-only fields and locked lists, to every client of the accessibility
// interfaces: Qt's own interface of a line edit writes into it whether it is
// read-only or not, and its list's actions open a list whatever filters its
// mouse and keys. Each field and list is given Qt's own interface, wrapped:
// everything is read through it, and writes and actions pass only while the
// user could make them with the keyboard.
class Guarded : public QAccessibleInterface,
                public QAccessibleEditableTextInterface,
                public QAccessibleActionInterface {
public:
    Guarded(QObject* object, QAccessibleInterface* inner) : object_(object), inner_(inner) {}
    ~Guarded() override {
        // Qt's interface went into Qt's cache too; gone with this one unless already gone.
        if (QAccessible::accessibleInterface(innerId_) == inner_)
            QAccessible::deleteAccessibleInterface(innerId_);
    }
    void keep() { innerId_ = QAccessible::uniqueId(inner_); }

    bool isValid() const override { return object_ && inner_->isValid(); }
    QObject* object() const override { return object_; }
    QWindow* window() const override { return inner_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return inner_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return inner_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return inner_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return inner_->parent(); }
    QAccessibleInterface* child(int index) const override { return inner_->child(index); }
    int childCount() const override { return inner_->childCount(); }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return inner_->indexOfChild(c);
    }
    QString text(QAccessible::Text t) const override { return inner_->text(t); }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value || writable()) inner_->setText(t, text);
    }
    QRect rect() const override { return inner_->rect(); }
    QAccessible::Role role() const override { return inner_->role(); }
    QAccessible::State state() const override {
        QAccessible::State s = inner_->state();
        if (!writable()) s.readOnly = true;
        return s;
    }
    QColor foregroundColor() const override { return inner_->foregroundColor(); }
    QColor backgroundColor() const override { return inner_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        void* own = inner_->interface_cast(type);
        if (!own) return nullptr;
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return own;
    }
    void virtual_hook(int id, void* data) override { inner_->virtual_hook(id, data); }

    void deleteText(int start, int end) override {
        if (writable()) inner_->editableTextInterface()->deleteText(start, end);
    }
    void insertText(int offset, const QString& text) override {
        if (writable()) inner_->editableTextInterface()->insertText(offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        if (writable()) inner_->editableTextInterface()->replaceText(start, end, text);
    }

    QStringList actionNames() const override { return inner_->actionInterface()->actionNames(); }
    QString localizedActionName(const QString& name) const override {
        return inner_->actionInterface()->localizedActionName(name);
    }
    QString localizedActionDescription(const QString& name) const override {
        return inner_->actionInterface()->localizedActionDescription(name);
    }
    void doAction(const QString& name) override {
        if (writable() || name == setFocusAction()) inner_->actionInterface()->doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return inner_->actionInterface()->keyBindingsForAction(name);
    }

private:
    bool writable() const {
        if (const auto* field = qobject_cast<const QLineEdit*>(object_))
            return !field->isReadOnly();
        if (const auto* list = qobject_cast<const QComboBox*>(object_)) return !isLocked(list);
        return true;
    }

    QPointer<QObject> object_;
    QAccessibleInterface* inner_;
    QAccessible::Id innerId_ = 0;
};

QAccessibleInterface* guarded(const QString& className, QObject* object) {
    static bool asking = false; // Qt's own interface, asked for below
    if (asking ||
        (className != QLatin1String("QLineEdit") && className != QLatin1String("QComboBox")))
        return nullptr;
    asking = true;
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
    asking = false;
    if (!inner) return nullptr;
    auto* g = new Guarded(object, inner);
    g->keep();
    return g;
}

} // namespace

// Before the first tab strip exists: Qt asks for a control's interface as soon
// as it is hidden, and keeps it.
void Base::installAccessibleFactory() {
    static const bool installed = (QAccessible::installFactory(absentScrollButtons),
                                   QAccessible::installFactory(guarded), true);
    Q_UNUSED(installed);
}
