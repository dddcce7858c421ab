#pragma once
// The "???" tab: title, web address, version and three short texts.

#include <QObject>
#include <array>

class QGroupBox;
class QLabel;
class QWidget;

class HelpTab : public QObject {
    Q_OBJECT
public:
    explicit HelpTab(QWidget* panel);
    static QString webAddress(); // with its final "/"
    void start();                // shows the version

private:
    std::array<QLabel*, 63> Label25{}; // 59 to 62
    QLabel* Label10 = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<QGroupBox*, 3> Frame1{};
};
