// Screen readers: what each field, list and option button is called, and the
// tab strips' scroll buttons kept out of sight.
//
// A reader says a field's name, or the caption tied to it as its label. On
// Linux, Qt gives a list the text of its current item as its name ("Marron"),
// so a list is only known by a caption tied to it: the lists with no caption on
// the window get one that is never shown, which names it all the same.

#include <QAccessible>
#include <QAccessibleObject>
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

} // namespace

// Before the first tab strip exists: Qt asks for a control's interface as soon
// as it is hidden, and keeps it.
void Base::installAccessibleFactory() {
    static const bool installed = (QAccessible::installFactory(absentScrollButtons), true);
    Q_UNUSED(installed);
}
