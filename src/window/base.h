#pragma once
// Base: the one window of Kirel. It owns every control and every window-level
// variable; its member functions are defined in the file of the part of the
// program they belong to:
//   window/  base.cpp (construction), panel_*.cpp (layout of each tab),
//            startup.cpp (Form_Load), fields.cpp (numeric fields, tabs, options, RAZ)
//   codes/   bands.cpp, smd.cpp, finder.cpp, handover.cpp  (the "Résis" tab)
//   calc/    ohm.cpp, power.cpp, led.cpp, led_parallel.cpp, zener.cpp, transistor.cpp

#include <QWidget>
#include <array>
#include <cstdint>

#include "window/controls.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class ListRule;
class QPushButton;
class QRadioButton;

class Base : public QWidget {
    Q_OBJECT
public:
    explicit Base(QWidget* parent = nullptr);
    ~Base() override;

    static QString webAddress(); // with its final "/"
    static QString title();      // "Kirel -   " + webAddress()

    // ---- window-level variables ----
    std::uint8_t cpt = 0;
    std::uint8_t maxcar = 0;
    bool modeui = false;
    bool pointdec = false;
    QString valchif;
    QString facaff;
    QString valres;
    std::uint8_t chif1 = 0, chif2 = 0, chif3 = 0;

    // ---- the window ----
    TabStrip* TabStrip1 = nullptr;
    std::array<QWidget*, 6> Picture1{};
    std::array<QLabel*, 86> Label25{}; // only the indices the panels use exist
    std::array<QLabel*, 3> Label1{};
    std::array<QLabel*, 7> Label2{};

    // ---- "Bases" ----
    QWidget* Pointvirg = nullptr;
    QLabel* Label12 = nullptr;
    std::array<QRadioButton*, 2> Option2{};
    QWidget* Formules = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Raz1 = nullptr;
    QPushButton* Raz2 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;  // U I R in
    QLineEdit *Text9 = nullptr, *Text12 = nullptr, *Text11 = nullptr; // U I R out
    QLineEdit *Text4 = nullptr, *Text5 = nullptr, *Text6 = nullptr;  // U|R I P in
    QLineEdit *Text10 = nullptr, *Text8 = nullptr, *Text7 = nullptr; // U|R I P out

    // ---- "Led" ----
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

    // ---- "Zener" ----
    std::array<Picture*, 1> Img{};
    std::array<NoteLabel*, 3> Timg{};
    QLineEdit *Text28 = nullptr, *Text27 = nullptr, *Text26 = nullptr; // Us Uz Iw
    QLineEdit* Text25 = nullptr;                                         // ideal R
    std::array<QComboBox*, 2> Combo7{}; // 0: zener series, 1: finder series
    QLineEdit* Valpro_txt = nullptr;
    QLineEdit* Text29 = nullptr;
    ClickLabel* zdofflimit = nullptr;
    Picture *zdno = nullptr, *zdok = nullptr, *zdm = nullptr;

    // ---- "Trans" ----
    Picture* Picture7 = nullptr;
    QLineEdit *Text31 = nullptr, *Text32 = nullptr, *Text34 = nullptr; // Ic gain Ub
    QLineEdit *Text33 = nullptr, *Text35 = nullptr;                    // Ib R

    // ---- "Résis": colour-band reader ----
    QComboBox* Combo1 = nullptr; // mode
    Shape *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr, *Shape4 = nullptr,
          *Shape5 = nullptr, *Shape6 = nullptr;
    std::array<Segment*, 19> LineN{}; // LineN[k] is Line<k>, k = 1..18
    QComboBox *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr, *Combo5 = nullptr,
              *Combo6 = nullptr;
    std::array<QLabel*, 6> val_lbl{};
    QLabel *Label4 = nullptr, *Label5 = nullptr, *tol_lbl = nullptr, *Label6 = nullptr;
    // ---- "Résis": SMD marking ----
    QWidget* Picture5 = nullptr;
    QLineEdit *cms1 = nullptr, *cms2 = nullptr, *cms3 = nullptr;
    std::array<QLabel*, 3> Label7{};
    Shape *Shape7 = nullptr, *Shape8 = nullptr, *Shape9 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<Segment*, 8> Line2{};
    QWidget* Picture6 = nullptr;
    // ---- "Résis": finder ----
    QWidget* Determiner = nullptr;
    QComboBox *Combo8 = nullptr, *Combo9 = nullptr, *Combo10 = nullptr, *Combo11 = nullptr,
              *Combo12 = nullptr;
    QCheckBox* Check1 = nullptr;
    std::array<QLineEdit*, 2> valst_txt{};
    std::array<QLabel*, 3> Label8{};
    std::array<QLabel*, 2> Label9{};
    QLabel* Label11 = nullptr;
    Shape* Resok_sh = nullptr;

    // ---- "???" (help) ----
    QLabel* Label10 = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<QGroupBox*, 3> Frame1{};

    // ---- procedures ----
    void Form_Load();
    void TabStrip1_Click();
    void TabStrip2_Click();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Raz1_Click();
    void Raz2_Click();

    // "Résis"
    void Combo1_Click();                          // mode rule
    void bandDigit_Click(QComboBox* list);        // Combo2, Combo3, Combo4
    void Combo6_Click();                          // multiplier
    void Combo5_Click();                          // tolerance
    void Combo12_Click();                         // finder tolerance -> Combo5
    void cms_Change(QLineEdit* field);            // cms1, cms2, cms3
    void readMarking();                           // entering the SMD mode
    void Check1_Click();
    void calculr();
    void affres();
    void placeValueLines(); // the value lines' labels next to each other, as shown

    // calculators
    void uri();
    void pui();
    void pri();
    void rled();
    void rledd();
    void zener();
    void Valpro_txt_Change();
    void zdofflimit_Click();
    void trans();

    // A program write of a list's index: runs the list's rule, also when the
    // index is unchanged (window/lists.cpp).
    void setIndex(QComboBox* list, int index);
    ListRule* ruleOf(QComboBox* list); // the list's rule, if it has one

    // The numeric-field rule: repairs a non-numeric text to "1", otherwise runs calc.
    void numericField(QLineEdit* field, void (Base::*calc)());
    void powerCalc(); // pui or pri, by modeui

private:
    // Layout of each tab (window/panel_*.cpp).
    void buildBases(QWidget* panel);
    void buildLed(QWidget* panel);
    void buildZener(QWidget* panel);
    void buildTrans(QWidget* panel);
    void buildResis(QWidget* panel);
    void buildHelp(QWidget* panel);

    // Event wiring, after every control exists.
    void connectWindow();   // window/fields.cpp
    void connectCodes();    // codes/wiring.cpp
    void setupKeyboard();   // window/keyboard.cpp: Tab order and tab shortcuts
    void setupAccessibility(); // window/accessibility.cpp: names for screen readers
    static void installAccessibleFactory(); // (the same), before any control exists

    // The context of every handler's connection. As a member it goes before the
    // controls do, so that no handler runs while the window is being destroyed
    // (an editable list raises its change when it loses the focus).
    QObject handlers;
};
