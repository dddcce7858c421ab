#pragma once
// The "Zener" tab: the ideal series resistor of a zener regulator, the E24
// value just below it, and the current that value lets through, rated by three
// lamps.

#include <QObject>
#include <array>

class ClickLabel;
class NoteLabel;
class Picture;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

class ZenerTab : public QObject {
    Q_OBJECT
public:
    explicit ZenerTab(QWidget* panel);
    void start(int maxLength); // its part of the start-up, before the lists
    void fillLists();          // its series list, in the start-up order of the lists
    QList<QWidget*> focusChain() const;
    // The decimal separator chosen on "Bases": with the point the rating reads
    // the fields as typed, with the comma whole, in the user's locale.
    void setPointDecimal(bool point) { pointdec = point; }

signals:
    void resistanceComputed(double ohms);
    void seriesPicked(); // its series list (Combo7(0)) was picked or written

private:
    void zener();
    void Valpro_txt_Change();
    void zdofflimit_Click();

    bool pointdec = true;

    std::array<QLabel*, 58> Label25{}; // 1, 46 to 57
    std::array<QLabel*, 2> Label1{};   // 1
    std::array<Picture*, 1> Img{};
    std::array<NoteLabel*, 3> Timg{};
    QLineEdit *Text28 = nullptr, *Text27 = nullptr, *Text26 = nullptr; // Us Uz Iw
    QLineEdit* Text25 = nullptr;                                       // ideal R
    std::array<QComboBox*, 1> Combo7{}; // 0: the zener's series (1 is the finder's)
    QLineEdit* Valpro_txt = nullptr;
    QLineEdit* Text29 = nullptr;
    ClickLabel* zdofflimit = nullptr;
    Picture *zdno = nullptr, *zdok = nullptr, *zdm = nullptr;
};
