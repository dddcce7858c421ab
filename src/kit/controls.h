#pragma once
// The small controls the window draws itself, and the helpers every panel
// builder uses: twips geometry, theme colours, list locking, clicks on labels
// and fields, and the left-edge tab strip.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTabBar>
#include <QWidget>
#include <functional>

class QComboBox;

// Geometry is designed in twips: 15 twips are one pixel at 96 dpi; Qt's
// high-DPI scaling does the rest.
constexpr int tw(int twips) { return (twips + 7) / 15; }
inline QRect twRect(int left, int top, int width, int height) {
    return {tw(left), tw(top), tw(width), tw(height)};
}

// A filled rectangle with a border (body and bands of the resistor, the chip,
// the frame of the finder's value). Its fill is a colour, or a rule that gives
// one from the palette, asked again when the palette changes.
class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
public:
    explicit Shape(QWidget* parent, const QColor& fill = Qt::transparent,
                   const QColor& border = Qt::black, int borderWidth = 1);
    QColor fillColor() const { return fill_; }
    QColor borderColor() const { return border_; }
    void setFillColor(const QColor& c);
    void setFill(std::function<QColor()> rule);
    void setBorderColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    QColor fill_, border_;
    int borderWidth_;
    std::function<QColor()> rule_;
};

// One straight segment between two points given in the parent's twips, in its
// colour or, without one, in the drawings' ink (black on a light palette).
class Segment : public QWidget {
    Q_OBJECT
public:
    Segment(QWidget* parent, QPoint fromTwips, QPoint toTwips, const QColor& colour = {});
    // The segment drawn between two other points.
    void setEnds(QPoint fromTwips, QPoint toTwips);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointF a_, b_;
    QColor colour_;
};

// A vector picture from the resources, drawn at the widget's size and the
// screen's pixel ratio: crisp at any scale, its black lines and symbols in the
// drawings' ink. It is rendered on its first paint and kept, so that texts
// changing over it do not render it again; a new ink renders it anew.
// drawVector() renders such a file into an image of any size, keeping its
// proportions, centred, black drawn in the given ink. Qt's SVG image plugin
// reads the file: loaded on the first picture shown, not at start-up.
QImage drawVector(const QString& resource, QSize pixels, const QColor& ink = Qt::black);

class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& resource);
    // The drawing as painted, rendered anew for a new size, scale or ink.
    const QPixmap& drawing();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString resource_;
    QPixmap rendered_;
    QColor ink_;
};

// A QLabel that reports clicks (the zener message hides itself when clicked).
// It keeps its drawing, copied at each paint, while its text, size and look
// stay: laying out a wrapped text again at every showing costs much more.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void keepDrawing();
    QPixmap drawn_;     // QLabel's own drawing, on a transparent ground
    QString drawnText_; // the text drawn
    bool drawing_ = false;
};

// A value written over a picture. It keeps its place while its text fits, widens
// to the right for a longer one, then moves left, within the picture; a text
// wider than the picture shows its beginning and an ellipsis, and the whole of it
// in a tooltip. text() is always the whole text. It paints what lies behind it
// (the window's ground and its part of the picture), so that a new note repaints
// the note alone.
class NoteLabel : public QLabel {
    Q_OBJECT
public:
    NoteLabel(const QString& text, QWidget* parent);
    void setNote(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRect home_;       // the place it was given, taken at the first note
    bool fits_ = true; // the note fits its place: nothing to cut when painted
};

// Calls back when the watched widget is clicked (mouse released inside it).
// Used for the Ohm's law fields, whose click recomputes their block.
void onClick(QWidget* watched, std::function<void()> handler);

// A locked list keeps the program's writes but ignores the user: no popup, no
// typing, no wheel, no focus from the Tab key. It is greyed separately (theme.h).
void setLocked(QComboBox* list, bool locked);
bool isLocked(const QComboBox* list);
QColor textColour(const QWidget* w);

// The property that marks a numeric input field (the keypad's decimal key types
// the locale's separator there).
inline constexpr char kNumericField[] = "numericField";

// A tab strip whose tabs carry a tag text in their data. Given a tab size, every
// tab has that size (the main strip: six equal tabs down the left edge).
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    TabStrip(QWidget* parent, QTabBar::Shape shape, QSize tabSize = {});
    int addTaggedTab(const QString& caption, const QString& tag);
    QString tag(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    // Up and Down move along a vertical strip as Left and Right do.
    void keyPressEvent(QKeyEvent* e) override;
    // Tabs down the left edge are narrow: the style draws their shape, the
    // caption is drawn here, turned and centred, without the style's padding,
    // and the focus mark on the chosen tab.
    void paintEvent(QPaintEvent* e) override;

private:
    QSize tabSize_;
};
