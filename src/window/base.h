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
    explicit Base(QWidget* parent = nullptr);
    ~Base() override;

    static QString title(); // "Kirel -   " + the web address

    // The main tabs, in the order of the tab strip.
    enum Tab { Bases, Led, Zener, Trans, Resis, Help };
    void selectTab(int index);
    // The colour-code tab, which takes the hand-over (ResisTab::showResistance).
    ResisTab& resis() { return *resis_; }
    // The start-up (window/startup.cpp), which the constructor runs; run again,
    // it starts over.
    void Form_Load();

signals:
    // A calculator tab computed a resistance; the colour-code tab has shown it.
    void resistanceComputed(double ohms);

private:
    void TabStrip1_Click();
    void connectTabs();
    void setupKeyboard();                   // window/keyboard.cpp: Tab order and tab shortcuts
    void setupAccessibility();              // window/accessibility.cpp
    static void installAccessibleFactory(); // (the same), before any control exists

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
