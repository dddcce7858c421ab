#pragma once
// Shared by the calculator suites, on top of testing.h: pasting a whole text
// at once, and finding fields that show "inf" or "nan".

#include <QLabel>
#include <QRegularExpression>

#include "testing.h"

namespace calctest {

using testing::type;

// Replaces the field's text in one go, as pasting does: for texts such as "-4"
// or "1e300" whose first characters alone are not a number.
inline void paste(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

// Fields, schematic labels and the hand-over showing "inf" or "nan" in any spelling.
inline QStringList badTexts(const Base& w) {
    static const QRegularExpression bad(QStringLiteral("inf|nan"),
                                        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const QLineEdit* f : w.findChildren<QLineEdit*>())
        if (f->text().contains(bad)) found << f->objectName() + ": " + f->text();
    for (const QLabel* l : w.Timg)
        if (l->text().contains(bad)) found << l->objectName() + ": " + l->text();
    if (w.valres.contains(bad)) found << "valres: " + w.valres;
    return found;
}

} // namespace calctest
