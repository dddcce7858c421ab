#pragma once
// What every tab uses to read, write and wire its own controls: the numeric
// fields' reading and writing, the numeric-field rule, list filling and
// program writes of a list's index, and screen-reader names.

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

#include "numbers/numbers.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace kit {

using numbers::Num;

// What the user typed: the locale's number when the field's whole text is one,
// else the leading-number reading ("." or the locale's decimal separator is the
// point; any other character ends the number).
Num leading(const QLineEdit* field);
// The locale reading of a field (what the program wrote into it); empty when
// the text is no number.
Num inLocale(const QLineEdit* field);

// Write a present value by the writing rule; an empty one writes nothing.
void write(QLineEdit* field, Num v);
// Sets a field's text; an output (read-only) field that holds it already is
// left alone: rewritten, it would only be laid out and painted again.
void show(QLineEdit* field, const QString& text);

// A field whose text is no number becomes "1", selected with the caret at its
// end, so that the next key replaces it: an edit of the field, which runs its
// handler again, with 1, and which its Undo takes back.
void repairToOne(QLineEdit* field);

// The numeric-field rule: each change of the field's text runs calc when the
// text is a number; a text with a "." that is one once the point is read as the
// locale's decimal comma (French) is written so; any other is repaired to "1".
// Undo and redo (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, the field's menu) take the
// keystroke or paste and what the rule wrote after it as one step. The keypad's
// decimal key types the locale's decimal point, a "." what pointMeans() says.
// All of it holds from the moment the field is built.
void numericField(QLineEdit* field, QObject* context, std::function<void()> calc);

// Fills a list silently, then gives it its start index so that its handler
// runs once, with the lists filled after it still empty.
void fill(QComboBox* list, const QStringList& items, int start);

// A list's rule runs on its picks, its typed texts and program writes of its
// index, for as long as context lives (kit/lists.h).
void onChoice(QComboBox* list, QObject* context, std::function<void()> rule);
// A program write of a list's index: runs the list's rule, also when the index
// is unchanged.
void setIndex(QComboBox* list, int index);
// The same write without running the list's rule: the list shows a value kept
// elsewhere.
void showIndex(QComboBox* list, int index);
// An editable list left holding a text that is not one of its items takes
// back an item (kit/lists.h).
void commit(QComboBox* list);
// The item an editable list shows in its edit part, exactly; -1 for none.
int shownItem(const QComboBox* list);

// Names for screen readers: a control's name and description, and the caption
// shown beside it on the window, if any. A list is known by its caption only:
// one with none shown, or another text, gets one that is never shown.
struct Spoken {
    QWidget* control;
    const char* name;
    const char* description;
    QLabel* caption;
};
void name(std::initializer_list<Spoken> controls);

} // namespace kit
