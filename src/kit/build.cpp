#include "kit/build.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "kit/controls.h"
#include "kit/theme.h"

namespace build {

QString controlName(const char* member) {
    QString n = QString::fromLatin1(member);
    if (n.startsWith(QLatin1String("LineN["))) // Line1 .. Line18 are single controls
        return QLatin1String("Line") + n.mid(6).chopped(1);
    n.replace(QLatin1Char('['), QLatin1Char('(')).replace(QLatin1Char(']'), QLatin1Char(')'));
    return n;
}

Look titleLook() {
    Look l;
    l.points = 9.75;
    l.bold = true;
    l.underline = true;
    return l;
}

void applyLook(QWidget* w, const Look& look) {
    if (look.points > 0 || look.bold || look.underline || !look.family.isEmpty()) {
        QFont f = w->font();
        if (!look.family.isEmpty()) f.setFamily(look.family);
        if (look.points > 0) f.setPointSizeF(look.points);
        f.setBold(look.bold);
        f.setUnderline(look.underline);
        w->setFont(f);
    }
    if (look.colour.isValid()) theme::setTextColour(w, look.colour);
}

template <class W>
static W* named(W* w, const char* name, QRect twips) {
    w->setObjectName(controlName(name));
    w->setGeometry(twips);
    return w;
}

QWidget* panel(QWidget* parent, const char* name, QRect twips) {
    return named(new QWidget(parent), name, twips);
}

template <class L>
static L* styledLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                      const Look& look) {
    auto* l = named(new L(text, parent), name, twips);
    applyLook(l, look);
    l->setAlignment(look.align ? Qt::Alignment(look.align) : (Qt::AlignLeft | Qt::AlignVCenter));
    l->setWordWrap(look.wrap);
    return l;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect twips,
              const Look& look) {
    return styledLabel<QLabel>(parent, name, text, twips, look);
}

ClickLabel* clickLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                       const Look& look) {
    return styledLabel<ClickLabel>(parent, name, text, twips, look);
}

NoteLabel* note(QWidget* parent, const char* name, QRect twips, const Look& look) {
    return styledLabel<NoteLabel>(parent, name, QString(), twips, look);
}

QLineEdit* input(QWidget* parent, const char* name, const QString& start, QRect twips) {
    auto* e = named(new QLineEdit(start, parent), name, twips);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

QLineEdit* output(QWidget* parent, const char* name, const QString& start, QRect twips,
                  const QColor& colour) {
    // Made empty and given its look before its text: a line edit lays out its
    // text anew for every font it gets, and laying it out is most of its cost.
    auto* e = input(parent, name, QString(), twips);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus); // the Tab key walks the inputs only
    Look look;
    look.bold = true;
    look.colour = colour;
    applyLook(e, look);
    e->setText(start);
    showBeginning(e);
    return e;
}

void showBeginning(QLineEdit* e) {
    QObject::connect(e, &QLineEdit::textChanged, e, [e](const QString& text) {
        const int room = e->contentsRect().width() - 8;
        const QFontMetrics metrics = e->fontMetrics();
        // Most results are short: the advances of their characters, with a pixel
        // each for kerning and rounding, show that they fit without shaping the text.
        int wide = 0;
        for (QChar c : text) {
            if (c.unicode() > 0xff) {
                wide = room + 1;
                break;
            } // marks, surrogates: shape
            wide += metrics.horizontalAdvance(c) + 1;
        }
        const bool fits = wide <= room || metrics.horizontalAdvance(text) <= room;
        const QString tip = fits ? QString() : text;
        if (e->toolTip() != tip) e->setToolTip(tip);
    });
    // Every setText() puts the caret at the end, and the field scrolls to show it,
    // even when the text is unchanged and no textChanged comes. Unless the user
    // is moving it (the field then has the focus), it goes back to the start.
    QObject::connect(e, &QLineEdit::cursorPositionChanged, e, [e](int, int now) {
        if (now != 0 && !e->hasFocus()) e->setCursorPosition(0);
    });
}

QComboBox* list(QWidget* parent, const char* name, QRect twips, bool editable) {
    auto* c = named(new QComboBox(parent), name, twips);
    if (editable) {
        // Matching is exact and case-sensitive: no completer. Qt gives an editable
        // list one of its own unless its line edit already has one, so the line
        // edit carries a shared stand-in until the list has taken it.
        static QCompleter* const standIn = new QCompleter(qApp);
        auto* edit = new QLineEdit(c);
        edit->setCompleter(standIn);
        c->setLineEdit(edit);
        c->setCompleter(nullptr);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    c->setMaxVisibleItems(12);
    return c;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect twips) {
    return named(new QCheckBox(text, parent), name, twips);
}

QRadioButton* option(QWidget* parent, const char* name, const QString& text, QRect twips) {
    return named(new QRadioButton(text, parent), name, twips);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect twips) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(true); // Return or Enter presses it when it has the focus
    return named(b, name, twips);
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect twips) {
    return named(new QGroupBox(title, parent), name, twips);
}

Shape* shape(QWidget* parent, const char* name, QRect twips, const QColor& fill,
             const QColor& border, int borderWidth) {
    return named(new Shape(parent, fill, border, borderWidth), name, twips);
}

Segment* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2,
              const QColor& colour) {
    auto* s = new Segment(parent, {x1, y1}, {x2, y2}, colour);
    s->setObjectName(controlName(name));
    return s;
}

Picture* picture(QWidget* parent, const char* name, const QString& resource, QRect twips) {
    return named(new Picture(parent, resource), name, twips);
}

QString spoken(const QString& caption) {
    QString s = caption.trimmed();
    if (s.endsWith(u':')) s.chop(1);
    return s.trimmed();
}

void fieldRows(QWidget* panel, const Columns& c, std::initializer_list<FieldRow> rows) {
    for (const FieldRow& r : rows) {
        if (r.name)
            *r.name = label(panel, r.nameId, QString::fromUtf8(r.caption),
                            twRect(c.nameX, r.y, c.nameW, c.height));
        const QRect fieldRect = twRect(c.fieldX, r.y, c.fieldW, c.height);
        *r.field = r.output ? output(panel, r.fieldId, QString::fromUtf8(r.start), fieldRect,
                                     c.outputColour)
                            : input(panel, r.fieldId, QString::fromUtf8(r.start), fieldRect);
        if (r.unit)
            *r.unit = label(panel, r.unitId, QString::fromUtf8(r.unitCaption),
                            twRect(c.unitX, r.y, c.unitW, c.height));
        if (r.caption) (*r.field)->setAccessibleName(spoken(QString::fromUtf8(r.caption)));
        if (r.unitCaption) (*r.field)->setAccessibleDescription(QString::fromUtf8(r.unitCaption));
        if (r.name) (*r.name)->setBuddy(*r.field);
    }
}

} // namespace build
