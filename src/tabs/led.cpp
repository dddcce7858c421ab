// The "Led" tab. In series: the resistor that drops what the string leaves of
// the supply, and its power; a negative resistance means the supply is too
// low. In parallel: one resistor feeding N LEDs, in whole ohms; one that rounds
// to 0 ohm means too many LEDs share the supply. The message and its bracket
// say so.

#include "tabs/led.h"

#include <QLabel>
#include <QLineEdit>

#include "calc/calculators.h"
#include "kit/build.h"
#include "kit/controls.h"
#include "kit/panelkit.h"

using namespace build;
using kit::leading;

namespace {
const Columns kRows{1440, 1380, 2880, 840, 3780, 660};
constexpr int kTop = 240, kPitch = 360;
constexpr int row(int i) { return kTop + i * kPitch; }
const QColor kRed{255, 0, 0};

QLabel* errorLabel(QWidget* p, const char* name) {
    Look look;
    look.bold = true;
    look.colour = kRed;
    return label(p, name, QString(), twRect(1680, 2640, 3015, 255), look);
}

// The long caption of the power row takes two lines.
void widenPowerCaption(QLabel* l) {
    l->setWordWrap(true);
    l->setGeometry(twRect(1380, row(5) - 60, 1440, 420));
}

void showError(QLabel* message, const std::array<Segment*, 3>& bracket, bool on) {
    message->setText(on ? QStringLiteral("Erreur: diminuer le nombre de leds!") : QString());
    for (Segment* line : bracket) line->setVisible(on);
}
} // namespace

LedTab::LedTab(QWidget* p) {
    Label25[0] = label(p, "Label25[0]", "Led", twRect(120, 120, 900, 300), titleLook());
    for (int i = 0; i < 2; ++i) {
        const QByteArray name = "Picture2[" + QByteArray::number(i) + "]";
        Picture2[i] = panel(p, name.constData(), twRect(0, 480, 5055, 3255));
    }
    TabStrip2 = new TabStrip(p, QTabBar::RoundedNorth);
    TabStrip2->setObjectName(QStringLiteral("TabStrip2"));
    TabStrip2->addTaggedTab(QString::fromUtf8("Série"), QStringLiteral("1"));
    TabStrip2->addTaggedTab(QString::fromUtf8("Parallèle"), QStringLiteral("2"));
    const QSize hint = TabStrip2->sizeHint();
    TabStrip2->setGeometry(tw(5055 - 60) - hint.width(), tw(90), hint.width(), hint.height());

    QWidget* s = Picture2[0];
    Picture3 = picture(s, "Picture3", ":/assets/led_series.svg", twRect(60, 120, 1245, 2865));
    fieldRows(
        s, kRows,
        {
            {row(0), K(Label25[13]), "U alim:", K(Text13), "1", false, K(Label25[19]), "Volts"},
            {row(1), K(Label25[14]), "U led:", K(Text14), "1", false, K(Label25[20]), "Volts"},
            {row(2), K(Label25[15]), "I led:", K(Text15), "20", false, K(Label25[21]), "mA"},
            {row(3), K(Label25[16]), "N. led:", K(Text16), "1", false, NONE, nullptr},
            {row(4), K(Label25[17]), "R:", K(Text17), "1", true, K(Label25[22]), "Ohms"},
            {row(5), K(Label25[18]), "Puissance de la résistance:", K(Text18), "1", true,
             K(Label25[23]), "Watts"},
        });
    widenPowerCaption(Label25[18]);
    lbl_errvals = errorLabel(s, "lbl_errvals");
    Linel[0] = line(s, "Linel[0]", 4800, 2760, 4800, 1800, kRed);
    Linel[1] = line(s, "Linel[1]", 4440, 1800, 4800, 1800, kRed);
    Linel[2] = line(s, "Linel[2]", 4800, 2760, 4680, 2760, kRed);

    QWidget* q = Picture2[1];
    Picture4 = picture(q, "Picture4", ":/assets/led_parallel.svg", twRect(30, 60, 1365, 3135));
    fieldRows(q, kRows,
              {
                  {row(0), K(Label25[2]), "U alim:", K(Text21), "1", false, K(Label25[8]), "Volts"},
                  {row(1), K(Label25[3]), "U led:", K(Text22), "1", false, K(Label25[9]), "Volts"},
                  {row(2), K(Label25[4]), "I led:", K(Text23), "20", false, K(Label25[10]), "mA"},
                  {row(3), K(Label25[5]), "N. led:", K(Text24), "1", false, NONE, nullptr},
                  {row(4), K(Label25[6]), "R:", K(Text20), "1", true, K(Label25[11]), "Ohms"},
                  {row(5), K(Label25[7]), "Puissance de la résistance:", K(Text19), "Non disp",
                   true, K(Label25[12]), "Watts"},
              });
    widenPowerCaption(Label25[7]);
    lbl_errvalp = errorLabel(q, "lbl_errvalp");
    Linelp[0] = line(q, "Linelp[0]", 4440, 1800, 4800, 1800, kRed);
    Linelp[1] = line(q, "Linelp[1]", 4800, 2760, 4800, 1800, kRed);
    Linelp[2] = line(q, "Linelp[2]", 4680, 2760, 4800, 2760, kRed);

    for (QLineEdit* f : {Text13, Text14, Text15, Text16})
        kit::numericField(f, this, [this] { rled(); });
    for (QLineEdit* f : {Text21, Text22, Text23, Text24})
        kit::numericField(f, this, [this] { rledd(); });
    connect(TabStrip2, &QTabBar::currentChanged, this, [this] { TabStrip2_Click(); });
}

void LedTab::start(int maxLength) {
    Picture2[0]->show();
    Picture2[1]->hide();
    for (int k = 0; k <= 2; ++k) {
        Linel[k]->hide();
        Linelp[k]->hide();
    }
    for (QLineEdit* f : {Text13, Text14, Text15, Text16, Text21, Text22, Text23, Text24})
        f->setMaxLength(maxLength);
}

QList<QWidget*> LedTab::focusChain() const {
    return {TabStrip2, Text13, Text14, Text15, Text16, Text21, Text22, Text23, Text24};
}

void LedTab::TabStrip2_Click() {
    for (QWidget* p : Picture2) p->hide();
    const int k = TabStrip2->tag(TabStrip2->currentIndex()).toInt();
    if (k >= 1 && k <= int(Picture2.size())) Picture2[k - 1]->show();
}

void LedTab::rled() {
    // Text13: supply, Text14: one LED's voltage, Text15: current in mA, Text16: LED count.
    const auto out = calc::ledSeries(leading(Text13), leading(Text14), leading(Text15),
                                     leading(Text16), kit::inLocale(Text17));
    if (!out) return;
    kit::write(Text17, out->resistance);
    kit::write(Text18, out->power);
    if (out->error) showError(lbl_errvals, Linel, *out->error);
    if (out->resistance) emit resistanceComputed(*out->resistance);
}

void LedTab::rledd() {
    // Text21: supply, Text22: one LED's voltage, Text23: current per LED in mA, Text24: count.
    const auto out = calc::ledParallel(leading(Text21), leading(Text22), leading(Text23),
                                       leading(Text24), kit::inLocale(Text20));
    if (!out) return;
    kit::write(Text20, out->resistance);
    if (out->error) showError(lbl_errvalp, Linelp, *out->error);
    if (out->resistance) emit resistanceComputed(*out->resistance);
}
