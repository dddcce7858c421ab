#pragma once
// The "Trans" tab: base current and base resistor of a bipolar transistor.

#include <QObject>
#include <array>

class Picture;
class QLabel;
class QLineEdit;
class QWidget;

class TransTab : public QObject {
    Q_OBJECT
public:
    explicit TransTab(QWidget* panel);
    void start(int maxLength); // its part of the start-up
    QList<QWidget*> focusChain() const;

private:
    void trans();

    std::array<QLabel*, 73> Label25{}; // 58, 63 to 72
    std::array<QLabel*, 1> Label1{};
    Picture* Picture7 = nullptr;
    QLineEdit *Text31 = nullptr, *Text32 = nullptr, *Text34 = nullptr; // Ic gain Ub
    QLineEdit *Text33 = nullptr, *Text35 = nullptr;                    // Ib R
};
