// The numeric input fields, the tab strips, the two option pairs and the reset
// buttons of the "Bases" tab.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calc/steps.h"
#include "window/base.h"
#include "window/numbers.h"

namespace {
// Which calculator each numeric input field runs.
struct NumericField {
    QLineEdit* Base::*field;
    void (Base::*calc)();
};
constexpr NumericField kNumericFields[] = {
    {&Base::Text1, &Base::uri},      {&Base::Text2, &Base::uri},      {&Base::Text3, &Base::uri},
    {&Base::Text4, &Base::powerCalc}, {&Base::Text5, &Base::powerCalc}, {&Base::Text6, &Base::powerCalc},
    {&Base::Text13, &Base::rled},    {&Base::Text14, &Base::rled},    {&Base::Text15, &Base::rled},
    {&Base::Text16, &Base::rled},    {&Base::Text21, &Base::rledd},   {&Base::Text22, &Base::rledd},
    {&Base::Text23, &Base::rledd},   {&Base::Text24, &Base::rledd},   {&Base::Text26, &Base::zener},
    {&Base::Text27, &Base::zener},   {&Base::Text28, &Base::zener},   {&Base::Text31, &Base::trans},
    {&Base::Text32, &Base::trans},   {&Base::Text34, &Base::trans},
};
} // namespace

void Base::connectWindow() {
    for (const NumericField& nf : kNumericFields) {
        QLineEdit* f = this->*nf.field;
        f->setProperty(kNumericField, true);
        const auto calc = nf.calc;
        connect(f, &QLineEdit::textChanged, &handlers, [this, f, calc] { numericField(f, calc); });
    }
    // A click into one of the Ohm's law inputs recomputes as if its text had changed.
    for (QLineEdit* f : {Text1, Text2, Text3})
        onClick(f, [this, f] { numericField(f, &Base::uri); });

    connect(TabStrip1, &QTabBar::currentChanged, &handlers, [this] { TabStrip1_Click(); });
    connect(TabStrip2, &QTabBar::currentChanged, &handlers, [this] { TabStrip2_Click(); });

    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::toggled, &handlers, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
        connect(Option2[i], &QRadioButton::toggled, &handlers, [this, i](bool on) {
            if (on) Option2_Click(i);
        });
    }
    connect(Raz1, &QPushButton::clicked, &handlers, [this] { Raz1_Click(); });
    connect(Raz2, &QPushButton::clicked, &handlers, [this] { Raz2_Click(); });
    Valpro_txt->setProperty(kNumericField, true);
    connect(Valpro_txt, &QLineEdit::textChanged, &handlers, [this] { Valpro_txt_Change(); });
    connect(zdofflimit, &ClickLabel::clicked, &handlers, [this] { zdofflimit_Click(); });
}

void Base::numericField(QLineEdit* field, void (Base::*calc)()) {
    if (numbers::isNumeric(field->text())) {
        (this->*calc)();
        return;
    }
    calc::repairToOne(field); // runs this rule again, and the calculator with 1
}

void Base::powerCalc() {
    if (modeui)
        pui();
    else
        pri();
}

void Base::TabStrip1_Click() {
    for (QWidget* p : Picture1) p->hide();
    const int k = TabStrip1->tag(TabStrip1->currentIndex()).toInt();
    if (k >= 1 && k <= int(Picture1.size())) Picture1[k - 1]->show();
}

void Base::TabStrip2_Click() {
    for (QWidget* p : Picture2) p->hide();
    const int k = TabStrip2->tag(TabStrip2->currentIndex()).toInt();
    if (k >= 1 && k <= int(Picture2.size())) Picture2[k - 1]->show();
}

void Base::Option1_Click(int index) {
    modeui = index == 0;
    Label25[39]->setText(modeui ? QStringLiteral("U:") : QStringLiteral("R:"));
    const QString unit = modeui ? QStringLiteral("Volts") : QStringLiteral("Ohms");
    Label25[33]->setText(unit);
    Label25[36]->setText(unit);
    Text4->setAccessibleName(modeui ? QStringLiteral("U") : QStringLiteral("R"));
    Text4->setAccessibleDescription(unit);
    Text10->setAccessibleName(modeui ? QStringLiteral("U résultat") : QStringLiteral("R résultat"));
    Text10->setAccessibleDescription(unit);
}

void Base::Option2_Click(int index) { pointdec = index == 0; }

namespace {
void writeOnes(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* f : fields) f->setText(QStringLiteral("1"));
}
} // namespace

void Base::Raz1_Click() { writeOnes({Text1, Text2, Text3, Text11, Text12, Text9}); }

void Base::Raz2_Click() { writeOnes({Text4, Text5, Text6, Text10, Text7, Text8}); }
