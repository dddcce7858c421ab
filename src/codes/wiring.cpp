// The events of the "Résis" tab: every list runs its rule when the user picks
// or types an item and when the program sets its index.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "window/base.h"

namespace {
// A pick from the list and a text typed into its edit part run the same rule.
void onChoice(QComboBox* list, QObject* context, const std::function<void()>& rule) {
    QObject::connect(list, &QComboBox::currentIndexChanged, context, rule);
    QObject::connect(list, &QComboBox::editTextChanged, context, rule);
}
} // namespace

void Base::connectCodes() {
    onChoice(Combo1, this, [this] { Combo1_Click(); });
    for (QComboBox* band : {Combo2, Combo3, Combo4})
        onChoice(band, this, [this, band] { bandDigit_Click(band); });
    onChoice(Combo6, this, [this] { Combo6_Click(); });
    onChoice(Combo5, this, [this] { Combo5_Click(); });
    onChoice(Combo12, this, [this] { Combo12_Click(); });

    for (QLineEdit* field : {cms1, cms2, cms3})
        connect(field, &QLineEdit::textChanged, this, [this, field] { cms_Change(field); });

    // Either series list (the zener tab's too), the digits and the multiplier.
    for (QComboBox* finder : {Combo7[0], Combo7[1], Combo8, Combo9, Combo10, Combo11})
        onChoice(finder, this, [this] { calculr(); });
    connect(Check1, &QCheckBox::toggled, this, &Base::Check1_Click);
}
