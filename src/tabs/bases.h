#pragma once
// The "Bases" tab: Ohm's law above, power in two modes below, and the choice
// of the decimal separator that the zener's rating reads.

#include <QObject>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class BasesTab : public QObject {
    Q_OBJECT
public:
    explicit BasesTab(QWidget* panel);
    void start(int maxLength); // its part of the start-up
    QList<QWidget*> focusChain() const;
    bool pointChosen() const; // the point, rather than the comma, is the decimal separator

signals:
    void resistanceComputed(double ohms); // Ohm's law R, or R of P = R * I²
    void decimalPointChosen(bool point);  // the point (true) or the comma

private:
    void uri();
    void pui();
    void pri();
    void powerCalc(); // pui or pri, by modeui
    void Option1_Click(int index);
    void Raz1_Click();
    void Raz2_Click();

    bool modeui = true; // P = U * I

    std::array<QLabel*, 46> Label25{}; // 24 to 45
    QWidget* Pointvirg = nullptr;
    QLabel* Label12 = nullptr;
    std::array<QRadioButton*, 2> Option2{};
    QWidget* Formules = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Raz1 = nullptr;
    QPushButton* Raz2 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;   // U I R in
    QLineEdit *Text9 = nullptr, *Text12 = nullptr, *Text11 = nullptr; // U I R out
    QLineEdit *Text4 = nullptr, *Text5 = nullptr, *Text6 = nullptr;   // U|R I P in
    QLineEdit *Text10 = nullptr, *Text8 = nullptr, *Text7 = nullptr;  // U|R I P out
};
