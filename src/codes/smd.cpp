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

// The rule of one field that holds a digit.
void readDigit(Base& w, QLineEdit* field) {
    const QString text = field->text();
    if (field == w.cms1) {
        w.val_lbl[0]->setText(text);
    } else if (field == w.cms2) {
        w.val_lbl[1]->setText(text);
    } else if (field == w.cms3) {
        for (int k : {5, 3, 4, 2}) w.val_lbl[k]->hide();
        codes::showMultiplier(w, *codes::smdMultiplier(text[0].unicode() - u'0'));
    }
    w.placeValueLines();
}

// The whole marking, read field after field, when all three hold a digit.
bool readWhole(Base& w) {
    const std::initializer_list<QLineEdit*> fields{w.cms1, w.cms2, w.cms3};
    if (!std::ranges::all_of(fields, holdsDigit)) return false;
    for (QLineEdit* f : fields) readDigit(w, f);
    return true;
}
} // namespace

// A digit typed completes the marking, which is then read whole, or fills its
// own place of the value line.
void Base::cms_Change(QLineEdit* field) {
    if (!holdsDigit(field)) { // a letter, a sign, or the character deleted: the field is emptied
        field->setText(QString());
        field->setCursorPosition(1);
        field->deselect();
        return;
    }
    if (!readWhole(*this)) readDigit(*this, field);
}

// The marking when all three characters are there; otherwise an empty value
// line, which each character typed fills again.
void Base::readMarking() {
    if (readWhole(*this)) return;
    for (QLabel* l : val_lbl) l->clear();
    Label4->clear();
    placeValueLines();
}
