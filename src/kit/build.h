#pragma once
// Factories that create the window's controls under their design names, placed
// in twips, with the common look of their kind. Panel builders describe their
// rows as tables and walk them with these.

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class ClickLabel;
class NoteLabel;
class Picture;
class Segment;
class Shape;

// Names a member and its design name in one go: K(Label25[24]) gives the
// member's address and "Label25[24]", which controlName() turns into "Label25(24)".
#define K(member) &member, #member
// An absent control in a table row.
#define NONE nullptr, nullptr

namespace build {

// "Label25[24]" -> "Label25(24)"; "LineN[7]" -> "Line7"; other names unchanged.
QString controlName(const char* member);

struct Look {
    double points = 0; // 0: the window's font size
    bool bold = false;
    bool underline = false;
    QColor colour{}; // invalid: the palette's window text; else lightened on a dark one
    int align = 0;   // Qt::Alignment; 0: left, vertically centred
    bool wrap = false;
    QString family{}; // empty: the window's font
};

// Panel titles: 9.75 pt, bold, underlined.
Look titleLook();

// Output fields: bold, read-only, in this colour.
inline const QColor outputGreenBases{0, 192, 0};
inline const QColor outputGreen{0, 128, 0};

QWidget* panel(QWidget* parent, const char* name, QRect twips);
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect twips,
              const Look& look = {});
ClickLabel* clickLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                       const Look& look = {});
NoteLabel* note(QWidget* parent, const char* name, QRect twips, const Look& look = {});
// Numeric input: right-aligned.
QLineEdit* input(QWidget* parent, const char* name, const QString& start, QRect twips);
// Output: read-only, bold, right-aligned, coloured, showing its beginning.
QLineEdit* output(QWidget* parent, const char* name, const QString& start, QRect twips,
                  const QColor& colour = outputGreen);
// A result too long for its field (extreme inputs) shows its beginning, sign and
// leading digits, after every write, and the whole of it in a tooltip: the field
// never shows a tail that reads as another number.
void showBeginning(QLineEdit* field);
QComboBox* list(QWidget* parent, const char* name, QRect twips, bool editable = false);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect twips);
QRadioButton* option(QWidget* parent, const char* name, const QString& text, QRect twips);
QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect twips);
QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect twips);
Shape* shape(QWidget* parent, const char* name, QRect twips, const QColor& fill,
             const QColor& border = Qt::black, int borderWidth = 1);
// Without a colour, in the drawings' ink.
Segment* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2,
              const QColor& colour = {});
Picture* picture(QWidget* parent, const char* name, const QString& resource, QRect twips);

void applyLook(QWidget* w, const Look& look);

// "U alim:" -> "U alim": the name a screen reader gives the control of a caption.
QString spoken(const QString& caption);

// One row of a calculator: name label, field, unit label, at one height. The
// caption (without its colon) is the field's accessible name, even where the
// row shows no name label; the unit is its accessible description.
struct FieldRow {
    int y; // top of the row, twips
    QLabel** name;
    const char* nameId;
    const char* caption; // NONE: no name label shown
    QLineEdit** field;
    const char* fieldId;
    const char* start;
    bool output;
    QLabel** unit;
    const char* unitId;
    const char* unitCaption; // NONE: no unit label
};
// Where the three columns of a block of rows stand, in twips.
struct Columns {
    int nameX, nameW, fieldX, fieldW, unitX, unitW;
    QColor outputColour = outputGreen;
    int height = 285;
};
void fieldRows(QWidget* panel, const Columns& cols, std::initializer_list<FieldRow> rows);

} // namespace build
