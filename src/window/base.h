#pragma once
// Base: the one window of Kirel. It holds the main tab strip, one panel per
// tab and the tab classes that build and own the controls on them
// (src/tabs/), and runs the start-up in its order. It holds no control of a
// tab: what crosses tabs is wired here, once (base.cpp).

#include <QWidget>
#include <array>
#include <memory>

class BasesTab;
class HelpTab;
class LedTab;
class ResisTab;
class TabStrip;
class TransTab;
class ZenerTab;

class Base : public QWidget {
    Q_OBJECT
public:
    // How the window builds its tabs. AllNow: every tab before the constructor
    // returns. ShownFirst, as the program starts: the "Bases" tab, the one shown
    // at start, then the others right after the window's first paint, before
    // the next input is handled, or at once when something needs them (a tab
    // picked, a resistance handed over). Either way the window ends the same.
    enum class Build { AllNow, ShownFirst };
    explicit Base(Build build = Build::AllNow, QWidget* parent = nullptr);
    ~Base() override;
    // Builds and starts the tabs not built yet; nothing when all are.
    void finishBuilding();

    static QString title(); // "Kirel -   " + the web address

    // The main tabs, in the order of the tab strip.
    enum Tab { Bases, Led, Zener, Trans, Resis, Help };
    void selectTab(int index);
    // A resistance shown on the colour-code tab as a hand-over shows it
    // (ResisTab::showResistance), without resistanceComputed.
    void showResistance(double ohms);
    // The start-up: the tabs built and started (window/startup.cpp). The
    // constructor runs it whole, or with ShownFirst its first part and the rest
    // after the first paint; run again, it starts every tab over.
    void Form_Load();

signals:
    // A calculator tab computed a resistance; the colour-code tab has shown it.
    void resistanceComputed(double ohms);

protected:
    bool event(QEvent* e) override;

private:
    void TabStrip1_Click();
    void buildHidden(); // the tabs but "Bases", wired to it
    void startShown();  // window/startup.cpp: what the first paint shows
    void startHidden(); // (the same): the rest of the start-up
    void connectTabs();
    void handOver(double ohms);             // a computed resistance, to the colour-code tab
    void setupShortcuts();                  // window/keyboard.cpp: the tab shortcuts
    void setupKeyboard();                   // (the same): Tab order, Ctrl+Y of the other fields
    static void installAccessibleFactory(); // window/accessibility.cpp, before any control exists

    TabStrip* TabStrip1 = nullptr;
    std::array<QWidget*, 6> Picture1{};
    // The tabs go before the controls do, so that no handler runs while the
    // window is being destroyed (an editable list raises its change when it
    // loses the focus).
    std::unique_ptr<BasesTab> bases_;
    std::unique_ptr<LedTab> led_;
    std::unique_ptr<ZenerTab> zener_;
    std::unique_ptr<TransTab> trans_;
    std::unique_ptr<ResisTab> resis_;
    std::unique_ptr<HelpTab> help_;
};
