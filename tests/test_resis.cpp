// The "Résis" tab as a user meets it: the mode list, reading colour bands and
// SMD markings, composing a value in the finder, and a resistance handed over
// by a calculator.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <cmath>

#include "codes/colours.h"

#include "testing.h"

using testing::LocaleScope;

namespace {
// Picks an item the way a user does: opens the list and clicks the item.
void pick(QComboBox* list, const QString& item) {
    const int i = list->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect r = view->visualRect(view->model()->index(i, 0)) & view->viewport()->rect();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(list->currentIndex(), i);
}

// Types into the edit part of a band list, replacing its text.
void typeInto(QComboBox* list, const QString& text) {
    list->setFocus();
    QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list->lineEdit(), text);
}

// The visible labels of a row, left to right, then the unit.
QString line(std::initializer_list<QLabel*> labels, const QLabel* unit) {
    std::vector<QLabel*> shown;
    for (QLabel* l : labels)
        if (!l->isHidden()) shown.push_back(l);
    std::ranges::sort(shown, {}, [](QLabel* l) { return l->x(); });
    QString out;
    for (QLabel* l : shown) out += l->text();
    return out + ' ' + unit->text();
}
QString valueLine(const Base& w) {
    return line({w.val_lbl[0], w.val_lbl[1], w.val_lbl[2], w.val_lbl[3], w.val_lbl[4], w.val_lbl[5]},
                w.Label4);
}
QString toleranceLine(const Base& w) {
    return w.Label5->text() + ' ' + w.tol_lbl->text() + ' ' + w.Label6->text();
}
QString finderLine(const Base& w) {
    return line({w.Label8[0], w.Label8[1], w.Label8[2], w.Label9[0], w.Label9[1]}, w.Label11);
}
bool fits(const QLabel* l) {
    return l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width();
}

const QColor kRed{255, 0, 0}, kGreen{0, 255, 0};
} // namespace

class TestResis : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    // The finder's result row as read left to right, and the frame's verdict.
    QString finderRow() const {
        const QColor frame = w->Resok_sh->borderColor();
        return w->valst_txt[0]->text() + " < " + finderLine(*w) + " < " + w->valst_txt[1]->text() +
               (frame == kGreen ? " green" : frame == kRed ? " red" : " ?");
    }

private slots:
    // The headless platform warns each time a list opens its popup; that is no fault.
    void initTestCase() {
        static const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
            if (!m.startsWith(QLatin1String("This plugin does not support"))) testHandler(t, c, m);
        });
    }
    void init() {
        w = testing::openWindow();
        w->TabStrip1->setCurrentIndex(4);
    }
    void cleanup() { w.reset(); }

    void startUp() {
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Déterminer"));
        QCOMPARE(valueLine(*w), QStringLiteral("10 Ohms"));
        QCOMPARE(toleranceLine(*w), QStringLiteral("(+/- 5 %)"));
        QCOMPARE(finderRow(), QStringLiteral("91 < 100 Ohms < 110 green"));
    }

    // ---- the mode list ----
    // Each mode is entered from the four-band mode with a point on the value
    // line, so that what a mode leaves alone shows.
    void modes_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("finder");
        QTest::addColumn<bool>("smd");
        QTest::addColumn<bool>("thirdList");
        QTest::addColumn<bool>("thirdBand");
        QTest::addColumn<bool>("thirdDigit");
        QTest::addColumn<bool>("point");
        QTest::newRow("finder") << "Déterminer" << true << false << true << true << false << false;
        QTest::newRow("4 bands") << "4 anneaux" << false << false << false << false << false << true;
        QTest::newRow("5 bands") << "5 anneaux" << false << false << true << true << true << false;
        QTest::newRow("SMD") << "CMS/SMD" << false << true << false << false << false << false;
    }
    void modes() {
        QFETCH(QString, mode);
        QFETCH(bool, finder);
        pick(w->Combo1, "4 anneaux");
        typeInto(w->Combo6, "Or");
        pick(w->Combo1, mode);
        QCOMPARE(!w->Determiner->isHidden(), finder);
        QTEST(!w->Picture5->isHidden(), "smd");
        QTEST(!w->Picture6->isHidden(), "smd");
        for (QWidget* c : std::initializer_list<QWidget*>{w->Combo4, w->LineN[10], w->LineN[12]})
            QTEST(!c->isHidden(), "thirdList");
        QTEST(!w->Shape4->isHidden(), "thirdBand");
        QTEST(!w->val_lbl[2]->isHidden(), "thirdDigit");
        QTEST(!w->val_lbl[3]->isHidden(), "point");
        for (QComboBox* band : {w->Combo2, w->Combo3, w->Combo4, w->Combo5, w->Combo6}) {
            QCOMPARE(isLocked(band), finder);
            QCOMPARE(textColour(band), finder ? theme::scrollBar() : theme::windowText());
        }
        // A locked list ignores the user; an unlocked one takes the colour typed.
        typeInto(w->Combo2, "Rouge");
        QCOMPARE(w->Shape2->fillColor(), finder ? QColor(128, 64, 0) : kRed);
    }

    // ---- reading the bands and the SMD marking ----
    void bands_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("typed"); // list=text ..., in order
        QTest::addColumn<QString>("seen");  // value line, tolerance line
        const char* rows[][4] = {
            {"4.7 k", "4 anneaux", "Combo2=Jaune Combo3=Violet Combo6=Rouge Combo5=Or",
             "4.7 k Ohms (+/- 5 %)"},
            {"silver", "4 anneaux", "Combo2=Marron Combo3=Noir Combo6=Argent", ".10 Ohms (+/- 5 %)"},
            {"yellow", "4 anneaux", "Combo2=Marron Combo3=Noir Combo6=Jaune", "100 k Ohms (+/- 5 %)"},
            {"grey", "4 anneaux", "Combo2=Rouge Combo3=Rouge Combo6=Gris Combo5=Vert",
             "2.2 G Ohms (+/- 0,5 %)"},
            {"five bands", "5 anneaux", "Combo2=Marron Combo3=Noir Combo4=Vert Combo5=Bleu",
             "105 Ohms (+/- 0,25 %)"},
            {"case matters", "4 anneaux", "Combo2=rouge Combo6=or Combo5=bleu", "10 Ohms (+/- 5 %)"},
            {"not on the list", "4 anneaux", "Combo2=Noir Combo5=Orange", "10 Ohms (+/- 5 %)"},
        };
        for (auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3];
    }
    void bands() {
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        pick(w->Combo1, mode);
        for (const QString& t : typed.split(' '))
            typeInto(w->findChild<QComboBox*>(t.section('=', 0, 0)), t.section('=', 1));
        QTEST(valueLine(*w) + ' ' + toleranceLine(*w), "seen");
        QVERIFY(fits(w->Label4));
    }

    void finderTolerance_data() {
        QTest::addColumn<QString>("finder");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("percent");
        QTest::newRow("20%") << "20%" << "Noir" << "20";
        QTest::newRow("1%") << "1%" << "Marron" << "1";
        QTest::newRow("0.05%") << "0.05%" << "Gris" << "0,05";
    }
    void finderTolerance() {
        QFETCH(QString, finder);
        pick(w->Combo12, finder);
        QTEST(w->Combo5->currentText(), "band");
        QTEST(w->tol_lbl->text(), "percent");
    }

    void smd_data() {
        QTest::addColumn<QString>("typed"); // one character per field
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("value");
        QTest::newRow("472") << "472" << "472" << "4.7 k Ohms";
        QTest::newRow("100") << "100" << "100" << "10 Ohms";
        QTest::newRow("101") << "101" << "101" << "100 Ohms";
        QTest::newRow("478") << "478" << "478" << "4.7 G Ohms";
        QTest::newRow("479") << "479" << "479" << "47 G Ohms";
        QTest::newRow("letter") << "4x3" << "43" << "4 k Ohms";
        QTest::newRow("sign") << "-20" << "20" << "2 Ohms";
    }
    void smd() {
        QFETCH(QString, typed);
        pick(w->Combo1, "4 anneaux");
        typeInto(w->Combo2, "Marron"); // the value line reads 10 Ohms before the marking
        pick(w->Combo1, "CMS/SMD");
        QLineEdit* fields[] = {w->cms1, w->cms2, w->cms3};
        for (int k = 0; k < 3; ++k) testing::type(fields[k], typed.mid(k, 1));
        QTEST(w->cms1->text() + w->cms2->text() + w->cms3->text(), "kept");
        QTEST(valueLine(*w), "value");
    }

    // Five bands read three digits and the multiplier, each multiplier its own
    // power of ten; the third band may come last.
    void fiveBandsReadTheirValue() {
        pick(w->Combo1, "5 anneaux");
        typeInto(w->Combo2, "Jaune");
        typeInto(w->Combo3, "Violet");
        for (int m = 0; m < w->Combo6->count(); ++m) {
            typeInto(w->Combo4, "Noir");
            typeInto(w->Combo6, w->Combo6->itemText(m));
            typeInto(w->Combo4, "Rouge");
            const QStringList seen = valueLine(*w).split(' ');
            const int prefix = QString("kMG").indexOf(seen[1][0]) + 1;
            QCOMPARE(seen[0].toDouble() * std::pow(1000, prefix), 472 * std::pow(10, m - 2));
        }
    }

    // What the tab shows after a sequence of picks, typed texts, modes and
    // hand-overs: the drawn bands, which must wear the colours their lists
    // name, then the finder's value or the value and tolerance lines.
    void oneCodeOnScreen_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        const char* rows[][3] = {
            {"tolerance picked again", "mode=4 anneaux; Combo5=Marron; mode=Déterminer; Combo12=5%",
             "Marron Noir Noir Noir Or | 100 Ohms"},
            {"finder entered", "mode=4 anneaux; Combo2~Rouge; Combo6~Or; mode=Déterminer",
             "Marron Noir Noir Noir Or | 100 Ohms"},
            {"hand-over of the shown digits", "mode=4 anneaux; Combo2~Rouge; valres=100",
             "Marron Noir Noir Noir Or | 100 Ohms"},
            {"two digits after five bands", "Check1; Combo11=x10M; mode=5 anneaux; mode=Déterminer",
             "Marron Noir Violet Or | 100 M.Ohms"},
            {"bands after a marking", "mode=CMS/SMD; cms=473; mode=4 anneaux",
             "Marron Noir Noir Or | 10 Ohms (+/- 5 %)"},
            {"five bands", "mode=5 anneaux; Combo2~Jaune; Combo3~Violet; Combo4~Rouge; Combo6~Marron",
             "Jaune Violet Rouge Marron Or | 4.72 k Ohms (+/- 5 %)"},
            {"marking after bands", "mode=CMS/SMD; cms=472; mode=5 anneaux; mode=CMS/SMD",
             "| 4.7 k Ohms"},
            {"incomplete marking", "mode=4 anneaux; mode=CMS/SMD; cms=47", "| 47 "},
        };
        for (auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2];
    }
    void oneCodeOnScreen() {
        QFETCH(QString, steps);
        for (const QString& step : steps.split("; ")) {
            const QString what = step.section(QRegularExpression("[=~]"), 0, 0);
            const QString value = step.mid(what.size() + 1);
            if (what == "Check1") {
                QTest::mouseClick(w->Check1, Qt::LeftButton);
            } else if (what == "valres") {
                w->valres = value;
                w->affres();
            } else if (what == "cms") {
                QLineEdit* fields[] = {w->cms1, w->cms2, w->cms3};
                for (int k = 0; k < value.size(); ++k) testing::type(fields[k], value.mid(k, 1));
            } else {
                QComboBox* list = what == "mode" ? w->Combo1 : w->findChild<QComboBox*>(what);
                step[what.size()] == '~' ? typeInto(list, value) : pick(list, value);
            }
        }
        QStringList bands;
        const std::pair<Shape*, QComboBox*> drawn[] = {{w->Shape2, w->Combo2}, {w->Shape3, w->Combo3},
                                                       {w->Shape4, w->Combo4}, {w->Shape5, w->Combo6},
                                                       {w->Shape6, w->Combo5}};
        for (auto [band, list] : drawn) {
            if (band->isHidden() || !w->Picture5->isHidden()) continue;
            const codes::BandColour* c = codes::bandColour(list->currentText());
            QVERIFY2(c, qPrintable(list->currentText()));
            QVERIFY(c->themed || band->fillColor() == QColor(c->rgb.r, c->rgb.g, c->rgb.b));
            bands << list->currentText();
        }
        const QString lines = !w->Determiner->isHidden() ? finderLine(*w)
                              : !w->Picture6->isHidden() ? valueLine(*w)
                                                         : valueLine(*w) + ' ' + toleranceLine(*w);
        QTEST(bands.join(' ') + (bands.isEmpty() ? "| " : " | ") + lines, "shown");
    }

    // ---- the finder ----
    void finder_data() {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("choice"); // digits, multiplier, series; two digits: third off
        QTest::addColumn<QString>("seen");
        const struct {
            const char* choice;
            bool french;
            const char* seen;
        } rows[] = {
            {"470 x1 E24", false, "430 < 470 Ohms < 510 green"},
            {"475 x1 E24", false, "470 < 475 Ohms < 510 red"},
            {"100 x0.01 E24", false, "0.91 < 1.00 Ohms < 1.1 green"},
            {"100 x0.01 E24", true, "0,91 < 1.00 Ohms < 1,1 green"},
            {"999 x1 E48", false, "953 < 999 Ohms < 1000 red"},
            {"475 x1 E96", false, "464 < 475 Ohms < 487 green"},
            {"220 x100k E24", false, "20 < 22.0 MOhms < 24 green"},
            {"100 x10M E24", false, "0.91 < 1.00 G.Ohms < 1.1 green"},
            {"47 x10 E24", false, "430 < 470 Ohms < 510 green"},
            {"47 x1 E24", false, "43 < 47 Ohms < 51 green"},
            {"47 x0.01 E24", true, "0,43 < 0.47 Ohms < 0,51 green"},
            {"56 x0.1 E48", true, "5,36 < 5.6 Ohms < 5,62 red"},
            {"33 x100 E24", true, "3 < 3.3 kOhms < 3,6 green"},
            {"10 x10M E24", false, "91 < 100 M.Ohms < 110 green"},
        };
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QString(r.choice) + (r.french ? " fr" : "")))
                << r.french << QString(r.choice) << QString(r.seen);
    }
    void finder() {
        QFETCH(bool, french);
        QFETCH(QString, choice);
        LocaleScope scope(french ? testing::french() : testing::english());
        const QStringList c = choice.split(' ');
        pick(w->Combo7[1], c[2]);
        pick(w->Combo11, c[1]);
        if (c[0].size() == 2) QTest::mouseClick(w->Check1, Qt::LeftButton);
        QComboBox* digits[] = {w->Combo8, w->Combo9, w->Combo10};
        for (int k = 0; k < c[0].size(); ++k) pick(digits[k], c[0].mid(k, 1));
        QTEST(finderRow(), "seen");
        QVERIFY(fits(w->Label11));
    }

    void finderDrawsTheBands() {
        pick(w->Combo8, "4");
        pick(w->Combo9, "7");
        pick(w->Combo10, "5");
        pick(w->Combo11, "x0.1");
        QCOMPARE(w->Shape2->fillColor(), QColor(255, 255, 0));
        QCOMPARE(w->Shape3->fillColor(), QColor(128, 0, 128));
        QCOMPARE(w->Shape4->fillColor(), QColor(0, 255, 0));
        QCOMPARE(w->Shape5->fillColor(), QColor(192, 192, 0));
    }

    void thirdDigitSwitch() {
        const std::initializer_list<QWidget*> third{w->Label8[2], w->Shape4, w->Combo4,
                                                   w->LineN[10], w->LineN[11], w->LineN[12]};
        for (bool two : {true, false}) {
            QTest::mouseClick(w->Check1, Qt::LeftButton);
            QCOMPARE(isLocked(w->Combo10), two);
            QCOMPARE(textColour(w->Combo10), two ? theme::scrollBar() : theme::windowText());
            for (QWidget* c : third) QCOMPARE(c->isHidden(), two);
            QCOMPARE(finderLine(*w), two ? QStringLiteral("10 Ohms") : QStringLiteral("100 Ohms"));
        }
    }

    // The zener tab's series list refreshes the finder, which keeps its own series.
    void zenerSeriesRunsTheFinder() {
        pick(w->Combo11, "x0.01");
        LocaleScope scope(testing::french());
        pick(w->Combo7[0], "E48");
        QCOMPARE(finderRow(), QStringLiteral("0,91 < 1.00 Ohms < 1,1 green"));
    }

    // ---- a resistance handed over by a calculator ----
    void handover_data() {
        QTest::addColumn<QString>("valres");
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("shown"); // empty: nothing changes
        const struct {
            const char* valres;
            bool french;
            const char* shown;
        } rows[] = {
            {"0.09", false, ""},          {"0.1", false, "0.10 Ohms"}, {"0.47", false, "0.47 Ohms"},
            {"1", false, "1.0 Ohms"},     {"4.7", false, "4.7 Ohms"},  {"4,7", true, "4.7 Ohms"},
            {"9.5", false, "9.5 Ohms"},   {"10", false, "10 Ohms"},    {"47.5", false, "47 Ohms"},
            {"99.5", false, "99 Ohms"},   {"100", false, "100 Ohms"},  {"470,25", true, "470 Ohms"},
            {"999", false, "999 Ohms"},   {"1000", false, ""},         {"-5", false, ""},
            {"-0", false, ""},            {"1E-05", false, ""},        {"", false, ""},
            {"4.7", true, ""},            {"abc", false, ""},
        };
        for (const auto& r : rows)
            QTest::newRow(*r.valres ? r.valres : "empty") << r.valres << r.french << r.shown;
    }
    void handover() {
        QFETCH(QString, valres);
        QFETCH(bool, french);
        QFETCH(QString, shown);
        w->valres = "555";
        w->affres();
        pick(w->Combo1, "4 anneaux");
        LocaleScope scope(french ? testing::french() : testing::english());
        w->valres = valres;
        w->affres();
        QCOMPARE(w->TabStrip1->currentIndex(), 4);
        if (shown.isEmpty()) {
            QCOMPARE(w->Combo1->currentText(), QStringLiteral("4 anneaux"));
            QCOMPARE(finderLine(*w), QStringLiteral("555 Ohms"));
            return;
        }
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Déterminer"));
        QVERIFY(!w->Determiner->isHidden() && isLocked(w->Combo2));
        QCOMPARE(finderLine(*w), shown);
    }
};

KIREL_TEST_MAIN(TestResis)
#include "test_resis.moc"
