#include "kit/panelkit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
    field->setText(QStringLiteral("1"));
    field->setSelection(0, 1);
}

void numericField(QLineEdit* field, QObject* context, std::function<void()> calc) {
    field->setProperty(kNumericField, true);
    QObject::connect(field, &QLineEdit::textChanged, context, [field, calc] {
        if (numbers::isNumeric(field->text()))
            calc();
        else
            repairToOne(field); // runs this rule again, and the calculator with 1
    });
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
