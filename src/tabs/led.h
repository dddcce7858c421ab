#pragma once
// The "Led" tab: series resistor of LEDs in a string ("Série") or side by side
// ("Parallèle"), each sub-panel with its circuit, rows, error message and the
// red bracket tying the message to the resistance.

#include <QObject>
#include <array>

class Picture;
class QLabel;
class QLineEdit;
class QWidget;
class Segment;
class TabStrip;

class LedTab : public QObject {
    Q_OBJECT
public:
    explicit LedTab(QWidget* panel);
    void start(int maxLength); // its part of the start-up
    QList<QWidget*> focusChain() const;

signals:
    void resistanceComputed(double ohms);

private:
    void rled();
    void rledd();
    void TabStrip2_Click();

    std::array<QLabel*, 24> Label25{}; // 0, 2 to 23
    TabStrip* TabStrip2 = nullptr;
    std::array<QWidget*, 2> Picture2{};
    Picture* Picture3 = nullptr;
    Picture* Picture4 = nullptr;
    QLineEdit *Text13 = nullptr, *Text14 = nullptr, *Text15 = nullptr, *Text16 = nullptr;
    QLineEdit *Text17 = nullptr, *Text18 = nullptr;
    QLineEdit *Text21 = nullptr, *Text22 = nullptr, *Text23 = nullptr, *Text24 = nullptr;
    QLineEdit *Text20 = nullptr, *Text19 = nullptr;
    QLabel* lbl_errvals = nullptr;
    QLabel* lbl_errvalp = nullptr;
    std::array<Segment*, 3> Linel{};
    std::array<Segment*, 3> Linelp{};
};
