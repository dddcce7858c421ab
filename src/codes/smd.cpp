// The SMD marking reader: three one-digit fields, two significant digits and
// the number of zeros, spelled on the value line of the colour-band reader.

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "codes/bands.h"
#include "codes/colours.h"
#include "window/base.h"

namespace {
bool holdsDigit(const QLineEdit* field) {
    const QString text = field->text();
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
}
} // namespace

void Base::cms_Change(QLineEdit* field) {
    const QString text = field->text();
    if (!holdsDigit(field)) { // a letter, a sign, or the character deleted: the field is emptied
        field->setText(QString());
        field->setCursorPosition(1);
        field->deselect();
        return;
    }
    if (field == cms1) {
        val_lbl[0]->setText(text);
    } else if (field == cms2) {
        val_lbl[1]->setText(text);
    } else if (field == cms3) {
        for (int k : {5, 3, 4, 2}) val_lbl[k]->hide();
        codes::showMultiplier(*this, *codes::smdMultiplier(text[0].unicode() - u'0'));
    }
}

// The marking when all three characters are there; otherwise an empty value
// line, which each character typed fills again.
void Base::readMarking() {
    const std::initializer_list<QLineEdit*> fields{cms1, cms2, cms3};
    if (std::ranges::all_of(fields, holdsDigit)) {
        for (QLineEdit* f : fields) cms_Change(f);
        return;
    }
    for (QLabel* l : val_lbl) l->clear();
    Label4->clear();
}
