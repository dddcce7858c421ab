#pragma once
// The "Résis" tab: reads a resistor from 4 or 5 colour bands or an SMD marking,
// and finds the colour code of a value with its neighbours in a series. Its
// modes are codes::Mode, in the order of its mode list (Combo1). What it shows
// is kept as markings (codes/marking.h): each rule reads its event into them
// and calls show(), which writes the lists, the drawing and the value lines.

#include <QHash>
#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <utility>

#include "codes/marking.h"

namespace codes {
enum class Mode; // codes/colours.h
}
namespace series {
enum class Series; // codes/series.h
}

class QCheckBox;
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QWidget;
class Segment;
class Shape;

class ResisTab : public QObject {
    Q_OBJECT
public:
    explicit ResisTab(QWidget* panel);
    void start(); // its part of the start-up, before the lists
    // Its lists, in the start-up order: the mode and band lists before the
    // zener's series list, the finder's after it.
    void fillBandLists();
    void fillFinderLists();
    QList<QWidget*> focusChain() const;

    // The hand-over: a resistance computed on another tab, preset on the finder
    // (mode, multiplier, digit count and digits) and read once, when the tab
    // shows if it is hidden. Outside 0.1 ohm to 10 G ohms the tab stays as it is.
    void showResistance(double ohms);
    // The finder reads its lists again (also run when the zener's series list changes).
    void calculr();

protected:
    // The panel's first showing; a new font or style for it.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildBands(QWidget* p);
    // The body, leads, bands and leaders: the body a band wider in the six-band
    // mode, about the same centre.
    void placeDrawing(bool sixBands);
    // Each band of the drawing with its list, left to right.
    struct BandRow {
        codes::Band band;
        QComboBox* list;
        Shape* shape;
    };
    std::array<BandRow, 6> bandRows() const;
    void buildSmd(QWidget* p);
    void buildFinder(QWidget* p);
    void connectRules();
    void placeValueLines(); // the value lines' labels next to each other, as shown
    // While one lives, the value lines are placed once, when the last one ends:
    // a rule that runs others places them once, not once per rule.
    class Placing {
    public:
        explicit Placing(ResisTab* tab);
        ~Placing();
        Placing(const Placing&) = delete;
        Placing& operator=(const Placing&) = delete;

    private:
        ResisTab* tab_;
    };
    void flow(std::initializer_list<QLabel*> labels, QLabel* unit, int x);
    int widthOf(const QLabel* l, const QString& text);

    void Combo1_Click(); // mode rule
    // A band list's pick or typed item; its place in the code.
    void band_Click(QComboBox* list, codes::Band band);
    void Combo12_Click(); // finder tolerance: the tolerance band's
    void cms_Change(QLineEdit* field);
    // The marking the SMD fields hold, read whole once complete: onto the value
    // line (empty for no value), the chip and the note; false while incomplete.
    bool readMarking();
    void Check1_Click();
    void readFinder();      // the finder's lists into the finder's value, then onto the bands
    int digitCount() const; // the value line reads three digits in the five-band mode only
    void showMode();        // which panels, lists and bands a mode shows
    void showDigitCount();  // what the two-digit switch shows, without reading the finder
    void readHandedOver();  // a waiting hand-over written to the finder's lists and read
    // Writes what the tab keeps: the drawing, the value and tolerance lines and
    // the finder's row; the lists named too, silently (their rules do not run).
    enum Lists : unsigned { NoList = 0, BandLists = 1, ToleranceList = 2 };
    void show(unsigned lists = NoList);

    codes::Mode mode_;
    codes::Marking code_;                  // the colour code: the band lists and the drawing
    codes::Marking reading_;               // what the value line reads
    codes::Marking finder_;                // the finder's lists
    std::optional<series::Series> series_; // the finder's series

    std::array<QLabel*, 86> Label25{}; // 85
    std::array<QLabel*, 3> Label1{};   // 2
    std::array<QLabel*, 8> Label2{};   // 0 to 7
    // The colour-band reader.
    QComboBox* Combo1 = nullptr; // mode
    Shape *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr, *Shape4 = nullptr,
          *Shape5 = nullptr, *Shape6 = nullptr;
    std::array<Segment*, 22> LineN{}; // LineN[k] is Line<k>, k = 1..21
    QComboBox *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr, *Combo5 = nullptr,
              *Combo6 = nullptr;
    std::array<QLabel*, 6> val_lbl{};
    QLabel *Label4 = nullptr, *Label5 = nullptr, *tol_lbl = nullptr, *Label6 = nullptr;
    // The sixth band, the temperature coefficient: six-band mode only.
    Shape* Shape10 = nullptr;
    QComboBox* Combo13 = nullptr;
    QLabel* tc_lbl = nullptr;
    // Label2[7] and Combo13 above the drawing, hidden with them: a reader lists
    // a hidden list, but not the controls of a hidden row.
    QWidget* sixthRow_ = nullptr;
    // The SMD marking.
    QWidget* Picture5 = nullptr;
    QLineEdit *cms1 = nullptr, *cms2 = nullptr, *cms3 = nullptr, *cms4 = nullptr;
    std::array<QLabel*, 4> Label7{};
    QLabel* cms_lbl = nullptr; // the scheme read, under the value line
    Shape *Shape7 = nullptr, *Shape8 = nullptr, *Shape9 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<Segment*, 8> Line2{};
    QWidget* Picture6 = nullptr;
    // The finder.
    QWidget* Determiner = nullptr;
    std::array<QComboBox*, 2> Combo7{}; // 1: the finder's series (0 is the zener's)
    QComboBox *Combo8 = nullptr, *Combo9 = nullptr, *Combo10 = nullptr, *Combo11 = nullptr,
              *Combo12 = nullptr;
    QCheckBox* Check1 = nullptr;
    std::array<QLineEdit*, 2> valst_txt{};
    std::array<QLabel*, 3> Label8{};
    std::array<QLabel*, 2> Label9{};
    QLabel* Label11 = nullptr;
    Shape* Resok_sh = nullptr;
    QLineEdit* cmsmark_txt = nullptr; // the value's SMD markings

    QHash<std::pair<const QLabel*, QString>, int> widths_; // widthOf()
    // The value lines are first placed when the tab is first shown: measuring
    // them would load the digits' large bold font for a tab not seen yet.
    QWidget* panel_ = nullptr;
    bool everShown_ = false;
    // A handed-over value waiting for the tab to show (readHandedOver): the
    // finder's lists it writes there.
    std::optional<codes::FinderItems> waiting_;
    int placing_ = 0; // Placing objects alive
    // placeValueLines() asked for while a Placing lived, or before the first showing
    bool placeLater_ = false;
};
