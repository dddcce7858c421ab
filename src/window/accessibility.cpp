// Screen readers: what each field, list and option button is called, and the
// tab strips' scroll buttons kept out of sight.
//
// A reader says a field's name, or the caption tied to it as its label. On
// Linux, Qt gives a list the text of its current item as its name ("Marron"),
// so a list is only known by a caption tied to it: the lists with no caption on
// the window get one that is never shown, which names it all the same.

#include <QAccessible>
#include <QAccessibleObject>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "window/base.h"
#include "window/build.h"

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

void Base::setupAccessibility() {
    for (TabStrip* strip : {TabStrip1, TabStrip2}) strip->setUsesScrollButtons(false);

    // (The calculator rows name their fields after their captions.)
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
        QLabel* caption; // shown beside it on the window, or none
    } names[] = {
        {Combo7[0], "Décade", "", Label1[1]},
        {Combo1, "Mode", "", Label25[85]},
        {Combo2, "1er anneau", "1er chiffre", nullptr},
        {Combo3, "2ème anneau", "2ème chiffre", nullptr},
        {Combo4, "3ème anneau", "3ème chiffre", nullptr},
        {Combo6, "Anneau multiplicateur", "", nullptr},
        {Combo5, "Anneau de tolérance", "", Label2[6]},
        {cms1, "1er chiffre", "CMS", Label7[0]},
        {cms2, "2ième chiffre", "CMS", Label7[2]},
        {cms3, "3ième chiffre", "CMS: nombre de zéros", Label7[1]},
        {Combo8, "1er chiffre", "", Label2[1]},
        {Combo9, "2ème chiffre", "", nullptr},
        {Combo10, "3ème chiffre", "", nullptr},
        {Check1, "Off", "Sans 3ème chiffre", nullptr},
        {Combo11, "Multiplicateur", "", nullptr},
        {Combo12, "Tolérance", "", nullptr},
        {Combo7[1], "Décade", "", Label1[2]},
        {valst_txt[0], "Valeur standardisée inférieure", "", Label2[2]},
        {valst_txt[1], "Valeur standardisée supérieure", "", nullptr},
        {Option1[0], "P=U*I", "", nullptr},
        {Option1[1], "P=R*I²", "", nullptr},
    };
    for (const auto& n : names) {
        const QString name = QString::fromUtf8(n.name);
        n.control->setAccessibleName(name);
        n.control->setAccessibleDescription(QString::fromUtf8(n.description));
        if (n.caption) n.caption->setBuddy(n.control);
        auto* list = qobject_cast<QComboBox*>(n.control);
        if (!list) continue;
        if (QLineEdit* edit = list->lineEdit()) edit->setAccessibleName(name);
        if (!n.caption || build::spoken(n.caption->text()) != name) {
            auto* unseen = new QLabel(name, list->parentWidget());
            unseen->hide();
            unseen->setBuddy(list);
        }
    }
}
