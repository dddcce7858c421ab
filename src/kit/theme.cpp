#include "kit/theme.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

namespace theme {

namespace {
// The properties that keep a control's design colour and its greyed state.
constexpr char kDesign[] = "designColour";
constexpr char kGreyed[] = "greyed";

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Colours {
    qint64 key = -1;
    bool design = true; // the standard light palette: the design's colours as chosen
    QColor background, button, windowText, buttonText, grey, greyOnButton, ink;
};

// Qt's own light palette, the one the design's colours were chosen on: what
// Kirel gets where the desktop gives none (its colours, as Qt builds it).
bool isStandard(const QPalette& pal) {
    static constexpr std::pair<QPalette::ColorRole, QRgb> kStandard[] = {
        {QPalette::Window, 0xffefefef}, {QPalette::WindowText, 0xff000000},
        {QPalette::Base, 0xffffffff},   {QPalette::Text, 0xff000000},
        {QPalette::Button, 0xffefefef}, {QPalette::ButtonText, 0xff000000},
        {QPalette::Mid, 0xffb8b8b8}};
    return std::ranges::all_of(
        kStandard, [&pal](auto role) { return pal.color(role.first).rgba() == role.second; });
}

// A colour of the design as a palette shows it on a background: as chosen on
// the standard light palette, readable at `ratio` on any other.
QColor shown(const Colours& c, const QColor& design, const QColor& background, double ratio = 4.5) {
    return c.design ? design : readable(design, background, ratio);
}

const Colours& current() {
    static Colours c;
    const QPalette pal = QGuiApplication::palette();
    if (c.key == pal.cacheKey()) return c;
    c.key = pal.cacheKey();
    c.design = isStandard(pal);
    c.background = pal.color(QPalette::Base);
    c.windowText = pal.color(QPalette::WindowText);
    c.buttonText = pal.color(QPalette::ButtonText);
    // Fusion shades a button, and a list's, somewhat lighter than the button colour.
    c.button = pal.color(QPalette::Button).lighter(140);
    // An editable list shows its text on the base colour, any other on the button's.
    const QColor mid = pal.color(QPalette::Mid);
    c.grey = shown(c, mid, c.background, 3);
    // A button's gradient runs from the button colour to that lighter one.
    c.greyOnButton = shown(c, shown(c, mid, pal.color(QPalette::Button), 3), c.button, 3);
    c.ink = shown(c, pal.color(QPalette::Text), c.background, 3);
    return c;
}

// A text colour shown by a control: on the base colour as its text and window
// text, on the button colour as its button text (a list that is not editable).
void showColour(QWidget* w, const QColor& c, const QColor& onButton) {
    static constexpr QPalette::ColorRole kRoles[] = {QPalette::Text, QPalette::WindowText,
                                                     QPalette::ButtonText};
    static constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive};
    const QPalette now = w->palette();
    auto colour = [&](QPalette::ColorRole role) {
        return role == QPalette::ButtonText ? onButton : c;
    };
    // Rules set the same colour again and again (a list's lock on every pass):
    // a new palette costs a propagation and a repaint, so an unchanged one is kept.
    bool same = true;
    for (auto group : kGroups)
        for (auto role : kRoles)
            same = same && now.isBrushSet(group, role) && now.color(group, role) == colour(role);
    if (same) return;
    // Only the text roles are the control's own: the others follow the window's palette.
    QPalette pal;
    for (auto group : kGroups)
        for (auto role : kRoles) pal.setColor(group, role, colour(role));
    w->setPalette(pal);
}

void showDesign(QWidget* w, const QColor& design) {
    const Colours& c = current();
    showColour(w, shown(c, design, c.background), shown(c, design, c.button));
}

void showGreyed(QWidget* w, bool greyed) {
    if (greyed)
        showColour(w, current().grey, current().greyOnButton);
    else if (w->testAttribute(Qt::WA_SetPalette))
        w->setPalette(QPalette()); // the palette's own colours again
}

// The panels take the base colour, and the captions on them its text colour.
void paintWindow(QWidget* window) {
    const QPalette app = QGuiApplication::palette();
    QPalette pal;
    pal.setColor(QPalette::Window, background());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, app.color(group, QPalette::Text));
    window->setPalette(pal);
}

class PaletteFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::ApplicationPaletteChange) return false;
        auto* window = static_cast<QWidget*>(watched);
        paintWindow(window);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QVariant design = w->property(kDesign);
            if (design.isValid()) showDesign(w, design.value<QColor>());
            if (isGreyed(w)) showGreyed(w, true);
        }
        return false;
    }
};
} // namespace

double luminance(const QColor& c) {
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QColor& c) { return contrast(c, Qt::white) > contrast(c, Qt::black); }

QColor readable(const QColor& colour, const QColor& background, double ratio) {
    if (contrast(colour, background) >= ratio) return colour;
    // The luminance follows the lightness: search it, in the colour's 8-bit
    // steps, from the colour's own towards white on a dark background, towards
    // black on a light one.
    float h, s, l;
    colour.getHslF(&h, &s, &l);
    auto at = [&](float lightness) { return QColor(QColor::fromHslF(h, s, lightness).rgb()); };
    float from = l, to = isDark(background) ? 1 : 0;
    for (int i = 0; i < 20; ++i) {
        const float mid = (from + to) / 2;
        (contrast(at(mid), background) >= ratio ? to : from) = mid;
    }
    return at(to);
}

QColor background() { return current().background; }
QColor windowText() { return current().windowText; }
QColor buttonText() { return current().buttonText; }
QColor scrollBar() { return current().grey; }
QColor ink() { return current().ink; }

QColor noir(bool toleranceBand) {
    const QColor text = toleranceBand ? buttonText() : windowText();
    return isDark(text) ? text : QColor(Qt::black);
}

void setTextColour(QWidget* w, const QColor& design) {
    w->setProperty(kDesign, design);
    showDesign(w, design);
}

void setGreyed(QWidget* w, bool greyed) {
    if (greyed != isGreyed(w)) w->setProperty(kGreyed, greyed);
    showGreyed(w, greyed);
}

bool isGreyed(const QWidget* w) { return w->property(kGreyed).toBool(); }

void followPalette(QWidget* window) {
    paintWindow(window);
    window->installEventFilter(new PaletteFollower(window));
}

} // namespace theme
