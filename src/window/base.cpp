#include "window/base.h"

#include "window/build.h"

namespace {
// The client area, in twips.
constexpr int kWidth = 5445;
constexpr int kHeight = 3735;
constexpr int kStripWidth = 375;
} // namespace

QString Base::webAddress() { return QStringLiteral("https://www.kirel.example.org/"); }

QString Base::title() { return QStringLiteral("Kirel -   ") + webAddress(); }

Base::Base(QWidget* parent) : QWidget(parent) {
    installAccessibleFactory();
    setObjectName(QStringLiteral("Base"));
    setWindowTitle(title());
    setFixedSize(tw(kWidth), tw(kHeight));
    // A fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // Panels and their labels stand on the window background of the system
    // (white by default): the base colour of the palette.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    setAutoFillBackground(true);

    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "Picture1[" + QByteArray::number(i) + "]";
        Picture1[i] = build::panel(this, name.constData(), twRect(360, 0, 5055, kHeight));
    }
    buildBases(Picture1[0]);
    buildLed(Picture1[1]);
    buildZener(Picture1[2]);
    buildTrans(Picture1[3]);
    buildResis(Picture1[4]);
    buildHelp(Picture1[5]);

    // The main tabs run down the left edge, over the panels' left margin.
    const int tabCount = 6;
    TabStrip1 = new TabStrip(this, QTabBar::RoundedWest,
                             QSize(tw(kStripWidth), tw(kHeight) / tabCount));
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    const char* captions[tabCount] = {"Bases", "Led", "Zener", "Trans", "Résis", "???"};
    for (int i = 0; i < tabCount; ++i)
        TabStrip1->addTaggedTab(QString::fromUtf8(captions[i]), QString::number(i + 1));
    TabStrip1->setGeometry(0, 0, tw(kStripWidth), tw(kHeight));
    TabStrip1->raise();

    connectWindow();
    connectCodes();
    setupKeyboard();
    setupAccessibility();
    Form_Load();
}

Base::~Base() = default;
