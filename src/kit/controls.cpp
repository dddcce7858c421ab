#include "kit/controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

#include "kit/theme.h"

// ---- Shape ----

Shape::Shape(QWidget* parent, const QColor& fill, const QColor& border, int borderWidth)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor& c) {
    rule_ = nullptr;
    if (c == fill_) return;
    fill_ = c;
    update();
}

void Shape::setFill(std::function<QColor()> rule) {
    setFillColor(rule());
    rule_ = std::move(rule);
}

void Shape::changeEvent(QEvent* e) {
    if (rule_ &&
        (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)) {
        fill_ = rule_();
        update();
    }
    QWidget::changeEvent(e);
}

void Shape::setBorderColor(const QColor& c) {
    if (c == border_) return;
    border_ = c;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal half = borderWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    p.fillRect(r, fill_);
    if (borderWidth_ > 0) {
        p.setPen(QPen(border_, borderWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

// ---- Segment ----

Segment::Segment(QWidget* parent, QPoint from, QPoint to, const QColor& colour)
    : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnds(from, to);
}

void Segment::setEnds(QPoint from, QPoint to) {
    const QPointF a(from.x() / 15.0, from.y() / 15.0), b(to.x() / 15.0, to.y() / 15.0);
    const int left = int(std::floor(std::min(a.x(), b.x())));
    const int top = int(std::floor(std::min(a.y(), b.y())));
    const int right = int(std::ceil(std::max(a.x(), b.x()))) + 1;
    const int bottom = int(std::ceil(std::max(a.y(), b.y()))) + 1;
    setGeometry(left, top, right - left, bottom - top);
    a_ = a - QPointF(left, top);
    b_ = b - QPointF(left, top);
    update();
}

void Segment::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(colour_.isValid() ? colour_ : theme::ink(), 1));
    // Centre the 1-pixel pen on the pixel grid so that straight lines stay crisp.
    p.drawLine(a_ + QPointF(0.5, 0.5), b_ + QPointF(0.5, 0.5));
}

// ---- Picture ----

Picture::Picture(QWidget* parent, const QString& resource) : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

const QPixmap& Picture::drawing() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (rendered_.size() != pixels || ink_ != theme::ink()) {
        ink_ = theme::ink();
        rendered_ = QPixmap::fromImage(drawVector(resource_, pixels, ink_));
        rendered_.setDevicePixelRatio(ratio);
    }
    return rendered_;
}

void Picture::paintEvent(QPaintEvent*) { QPainter(this).drawPixmap(0, 0, drawing()); }

QImage drawVector(const QString& resource, QSize pixels, const QColor& ink) {
    QImage drawn(pixels, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    // Another ink is written into the file's text, so that it is drawn as a vector too.
    QBuffer inked;
    QImageReader reader(resource);
    if (QFile file(resource); ink != Qt::black && file.open(QIODevice::ReadOnly)) {
        const QByteArray name = '"' + ink.name().toLatin1() + '"';
        inked.setData(file.readAll().replace("\"#000000\"", name));
        reader.setDevice(&inked);
        reader.setFormat("svg");
    }
    const QSize fitted = reader.size().scaled(pixels, Qt::KeepAspectRatio);
    if (fitted.isEmpty()) return drawn;
    reader.setScaledSize(fitted);
    QPainter(&drawn).drawImage((pixels.width() - fitted.width()) / 2,
                               (pixels.height() - fitted.height()) / 2, reader.read());
    return drawn;
}

// ---- ClickLabel ----

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

// Painted by QLabel until a copy of its drawing is kept: the copy is made
// after the paint, a widget being drawn only once at a time.
void ClickLabel::paintEvent(QPaintEvent* e) {
    const qreal ratio = devicePixelRatioF();
    if (drawing_ || drawn_.isNull() || drawn_.devicePixelRatio() != ratio ||
        drawn_.size() != (QSizeF(size()) * ratio).toSize() || drawnText_ != text()) {
        QLabel::paintEvent(e);
        if (!drawing_)
            QMetaObject::invokeMethod(this, &ClickLabel::keepDrawing, Qt::QueuedConnection);
        return;
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
}

void ClickLabel::keepDrawing() {
    const qreal ratio = devicePixelRatioF();
    drawn_ = QPixmap((QSizeF(size()) * ratio).toSize());
    drawn_.setDevicePixelRatio(ratio);
    drawn_.fill(Qt::transparent);
    drawing_ = true;
    render(&drawn_, QPoint(), QRegion(), {}); // without the window's background
    drawing_ = false;
    drawnText_ = text();
}

void ClickLabel::changeEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange: drawn_ = QPixmap(); break;
    default: break;
    }
    QLabel::changeEvent(e);
}

void NoteLabel::setNote(const QString& text) {
    if (home_.isNull())
        home_ = geometry();
    else if (text == this->text())
        return; // placed for this text already
    setText(text);
    const int room = parentWidget()->width();
    // Most notes are short: the advances of their characters, with a pixel each
    // for kerning and rounding, show that they fit their place without shaping.
    const QFontMetricsF metrics(font());
    qreal bound = 0;
    for (QChar c : text) bound += c.unicode() > 0xff ? room : metrics.horizontalAdvance(c) + 1;
    const int need =
        bound <= home_.width() ? home_.width() : int(std::ceil(metrics.horizontalAdvance(text)));
    const int width = std::min(std::max(home_.width(), need), room);
    setGeometry(std::clamp(home_.x(), 0, room - width), home_.y(), width, home_.height());
    fits_ = need <= width;
    if (const QString tip = fits_ ? QString() : text; toolTip() != tip) setToolTip(tip);
}

NoteLabel::NoteLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// One painter for the note: what lies behind it, then its text as a frameless
// QLabel draws it (the style's item text, in the text's own direction).
void NoteLabel::paintEvent(QPaintEvent*) {
    const QRect box = contentsRect();
    const QFontMetrics fm = fontMetrics();
    QPainter p(this);
    const QWidget* ground = window(); // the window's ground, one colour (theme::paintWindow)
    p.fillRect(rect(), ground->palette().color(ground->backgroundRole()));
    if (auto* picture = qobject_cast<Picture*>(parentWidget()))
        p.drawPixmap(-pos(), picture->drawing());
    if (width() > home_.width()) { // grown over the drawing's lines: blank them behind the text
        const QRect band(box.x(), box.center().y() - fm.height() / 2, box.width(), fm.height());
        p.fillRect(band, palette().window());
    }
    const QString shown = fits_ ? text() : fm.elidedText(text(), Qt::ElideRight, box.width());
    int flags = int(alignment());
    if (shown == text()) {
        const auto direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        flags =
            int(QStyle::visualAlignment(direction, alignment())) | Qt::TextExpandTabs |
            (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    }
    style()->drawItemText(&p, box, flags, palette(), isEnabled(), shown, foregroundRole());
}

// ---- clicks on any widget ----

namespace {
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* watched, std::function<void()> handler)
        : QObject(watched), handler_(std::move(handler)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (ev->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(ev);
            auto* w = static_cast<QWidget*>(obj);
            if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint()))
                handler_();
        }
        return false;
    }

private:
    std::function<void()> handler_;
};

// Swallows what the user does to a locked list; program writes go through.
class LockFilter : public QObject {
public:
    // Found again by its name: without its own meta-object, findChild<LockFilter*>
    // would take any child of the list (its item model) for the filter.
    static inline const QString kName = QStringLiteral("lockFilter");
    explicit LockFilter(QObject* parent) : QObject(parent) { setObjectName(kName); }
    // The focus policy each part of the list had before the lock, given back after it.
    QHash<const QWidget*, Qt::FocusPolicy> unlockedFocus;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        switch (ev->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel: return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent*>(ev)->key();
            return key != Qt::Key_Tab && key != Qt::Key_Backtab;
        }
        default: return QObject::eventFilter(obj, ev);
        }
    }
};
} // namespace

void onClick(QWidget* watched, std::function<void()> handler) {
    new ClickFilter(watched, std::move(handler));
}

void setLocked(QComboBox* list, bool locked) {
    if (isLocked(list) == locked) return;
    auto* filter = static_cast<LockFilter*>(
        list->findChild<QObject*>(LockFilter::kName, Qt::FindDirectChildrenOnly));
    if (!filter) filter = new LockFilter(list);
    list->setProperty("locked", locked);
    QList<QWidget*> targets{list};
    if (list->lineEdit()) {
        list->lineEdit()->setReadOnly(locked);
        targets << list->lineEdit();
    }
    for (QWidget* t : targets) {
        if (locked) {
            filter->unlockedFocus[t] = t->focusPolicy();
            t->setFocusPolicy(Qt::NoFocus);
            t->installEventFilter(filter);
        } else {
            t->setFocusPolicy(filter->unlockedFocus.value(t, Qt::StrongFocus));
            t->removeEventFilter(filter);
        }
    }
}

bool isLocked(const QComboBox* list) { return list->property("locked").toBool(); }

QColor textColour(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Text); }

// ---- TabStrip ----

TabStrip::TabStrip(QWidget* parent, QTabBar::Shape shape, QSize tabSize)
    : QTabBar(parent), tabSize_(tabSize) {
    setShape(shape);
    setExpanding(false);
    setUsesScrollButtons(false);
    setDrawBase(false);
    setElideMode(Qt::ElideNone);
}

int TabStrip::addTaggedTab(const QString& caption, const QString& tag) {
    const int i = addTab(caption);
    setTabData(i, tag);
    return i;
}

QString TabStrip::tag(int index) const { return tabData(index).toString(); }

QSize TabStrip::tabSizeHint(int index) const {
    return tabSize_.isValid() ? tabSize_ : QTabBar::tabSizeHint(index);
}

void TabStrip::keyPressEvent(QKeyEvent* e) {
    const bool vertical = int(shape()) % 4 >= 2; // West and East, rounded or triangular
    if (vertical && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        QKeyEvent along(e->type(), e->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                        e->modifiers());
        QTabBar::keyPressEvent(&along);
        e->setAccepted(along.isAccepted());
        return;
    }
    QTabBar::keyPressEvent(e);
}

void TabStrip::paintEvent(QPaintEvent* e) {
    if (shape() != QTabBar::RoundedWest) {
        QTabBar::paintEvent(e);
        return;
    }
    QStylePainter p(this);
    auto drawTab = [&](int i) {
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        const QString caption = opt.text;
        opt.text.clear();
        p.drawControl(QStyle::CE_TabBarTabShape, opt);
        p.save();
        const QRect r = opt.rect;
        p.translate(r.center().x() + 1, r.center().y());
        p.rotate(-90);
        const QRect turned(-r.height() / 2, -r.width() / 2, r.height(), r.width());
        p.setPen(palette().color(QPalette::WindowText));
        QFont f = font();
        f.setBold(i == currentIndex());
        p.setFont(f);
        p.drawText(turned, Qt::AlignCenter, caption);
        p.restore();
        if (opt.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect mark;
            mark.initFrom(this);
            mark.rect = r.adjusted(3, 3, -3, -3);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
        }
    };
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex()) drawTab(i);
    if (currentIndex() >= 0) drawTab(currentIndex()); // the chosen tab over its neighbours
}
