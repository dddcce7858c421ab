#include "window/base.h"

#include <QEvent>

#include "kit/build.h"
#include "kit/controls.h"
#include "kit/theme.h"
#include "tabs/bases.h"
#include "tabs/help.h"
#include "tabs/led.h"
#include "tabs/resis.h"
#include "tabs/trans.h"
#include "tabs/zener.h"

namespace {
// The client area, in twips.
constexpr int kWidth = 5445;
constexpr int kHeight = 3735;
constexpr int kStripWidth = 375;
} // namespace

QString Base::title() { return QStringLiteral("Kirel -   ") + HelpTab::webAddress(); }

Base::Base(Build build, QWidget* parent) : QWidget(parent) {
    installAccessibleFactory();
    setObjectName(QStringLiteral("Base"));
    setWindowTitle(title());
    setFixedSize(tw(kWidth), tw(kHeight));
    // A fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // Panels and their labels stand on the window background of the system
    // (white by default): the base colour of the palette, followed when it changes.
    theme::followPalette(this);
    setAutoFillBackground(true);

    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "Picture1[" + QByteArray::number(i) + "]";
        Picture1[i] = build::panel(this, name.constData(), twRect(360, 0, 5055, kHeight));
    }
    bases_ = std::make_unique<BasesTab>(Picture1[Bases]);

    // The main tabs run down the left edge, over the panels' left margin.
    const int tabCount = 6;
    TabStrip1 =
        new TabStrip(this, QTabBar::RoundedWest, QSize(tw(kStripWidth), tw(kHeight) / tabCount));
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    const char* captions[tabCount] = {"Bases", "Led", "Zener", "Trans", "Résis", "???"};
    for (int i = 0; i < tabCount; ++i)
        TabStrip1->addTaggedTab(QString::fromUtf8(captions[i]), QString::number(i + 1));
    TabStrip1->setGeometry(0, 0, tw(kStripWidth), tw(kHeight));
    TabStrip1->raise();
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    connect(bases_.get(), &BasesTab::resistanceComputed, this, &Base::handOver);
    setupShortcuts();
    if (build == Build::AllNow)
        Form_Load();
    else
        startShown(); // the rest after the first paint (event())
}

Base::~Base() = default;

// The other tabs are built once the window has painted: posted from its first
// paint, so they come after the paint is on the screen and before anything else
// (a second paint before then posts again, which finds them built).
bool Base::event(QEvent* e) {
    if (e->type() == QEvent::Paint && !led_)
        QMetaObject::invokeMethod(this, &Base::finishBuilding, Qt::QueuedConnection);
    return QWidget::event(e);
}

void Base::Form_Load() {
    startShown();
    if (!led_) buildHidden();
    startHidden();
}

void Base::finishBuilding() {
    if (led_) return;
    buildHidden();
    startHidden();
}

void Base::buildHidden() {
    led_ = std::make_unique<LedTab>(Picture1[Led]);
    zener_ = std::make_unique<ZenerTab>(Picture1[Zener]);
    trans_ = std::make_unique<TransTab>(Picture1[Trans]);
    resis_ = std::make_unique<ResisTab>(Picture1[Resis]);
    help_ = std::make_unique<HelpTab>(Picture1[Help]);
    connectTabs();
    setupKeyboard();
}

void Base::showResistance(double ohms) {
    finishBuilding();
    resis_->showResistance(ohms);
}

void Base::handOver(double ohms) {
    showResistance(ohms);
    emit resistanceComputed(ohms);
}

// What crosses tabs: every resistance a calculator computes is handed over to
// the colour-code tab (from "Bases" wired with the window, from the others
// here); the zener's series list reruns the finder, as the finder's own does;
// the decimal separator of "Bases" rules the zener's rating.
void Base::connectTabs() {
    connect(led_.get(), &LedTab::resistanceComputed, this, &Base::handOver);
    connect(zener_.get(), &ZenerTab::resistanceComputed, this, &Base::handOver);
    connect(zener_.get(), &ZenerTab::seriesPicked, resis_.get(), &ResisTab::calculr);
    connect(bases_.get(), &BasesTab::decimalPointChosen, zener_.get(), &ZenerTab::setPointDecimal);
}

void Base::selectTab(int index) { TabStrip1->setCurrentIndex(index); }

void Base::TabStrip1_Click() {
    finishBuilding();
    for (QWidget* p : Picture1) p->hide();
    const int k = TabStrip1->tag(TabStrip1->currentIndex()).toInt();
    if (k >= 1 && k <= int(Picture1.size())) Picture1[k - 1]->show();
}
