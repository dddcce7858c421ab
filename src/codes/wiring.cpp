// The events of the "Résis" tab: every list runs its rule when the user picks
// or types an item and when the program sets its index.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "window/base.h"
#include "window/lists.h"

void Base::connectCodes() {
    QObject* context = &handlers;
    // A pick from the list, a text typed into its edit part and a write of its
    // index run the same rule.
    auto onChoice = [context](QComboBox* list, std::function<void()> rule) {
        new ListRule(list, context, std::move(rule));
    };
    onChoice(Combo1, [this] { Combo1_Click(); });
    for (QComboBox* band : {Combo2, Combo3, Combo4})
        onChoice(band, [this, band] { bandDigit_Click(band); });
    onChoice(Combo6, [this] { Combo6_Click(); });
    onChoice(Combo5, [this] { Combo5_Click(); });
    onChoice(Combo12, [this] { Combo12_Click(); });

    for (QLineEdit* field : {cms1, cms2, cms3})
        connect(field, &QLineEdit::textChanged, context, [this, field] { cms_Change(field); });

    // Either series list (the zener tab's too), the digits and the multiplier.
    for (QComboBox* finder : {Combo7[0], Combo7[1], Combo8, Combo9, Combo10, Combo11})
        onChoice(finder, [this] { calculr(); });
    connect(Check1, &QCheckBox::toggled, context, [this] { Check1_Click(); });
}
