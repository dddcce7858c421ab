// The "Résis" tab as a user meets it: the mode list, reading colour bands and
// SMD markings, composing a value in the finder, and a resistance handed over
// by a calculator.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

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

const QColor kBody{255, 192, 128};
const QColor kRed{255, 0, 0}, kGreen{0, 255, 0};
} // namespace

class TestResis : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    QComboBox* list(const QString& name) { return w->findChild<QComboBox*>(name); }

private slots:
    // The headless platform warns each time a list opens its popup; that is no fault.
    void initTestCase() {
        static const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
            if (!m.startsWith(QLatin1String("This plugin does not support"))) testHandler(t, c, m);
        });
    }
    void init() {
        w = std::make_unique<Base>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->TabStrip1->setCurrentIndex(4);
    }
    void cleanup() { w.reset(); }

    void startUp() {
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Déterminer"));
        QCOMPARE(valueLine(*w), QStringLiteral("10 Ohms"));
        QCOMPARE(toleranceLine(*w), QStringLiteral("(+/- 5 %)"));
        QCOMPARE(finderLine(*w), QStringLiteral("100 Ohms"));
        QCOMPARE(w->valst_txt[0]->text(), QStringLiteral("91"));
        QCOMPARE(w->valst_txt[1]->text(), QStringLiteral("110"));
        QCOMPARE(w->Resok_sh->borderColor(), kGreen);
        QCOMPARE(w->Shape2->fillColor(), QColor(128, 64, 0));
    }

    // ---- the mode list ----
    // Each mode starts from the four-band mode with a point on the value line,
    // so that what a mode leaves unchanged shows.
    void modes_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("finder");
        QTest::addColumn<bool>("smd");
        QTest::addColumn<bool>("thirdList");
        QTest::addColumn<bool>("thirdBand");
        QTest::addColumn<bool>("thirdDigit");
        QTest::addColumn<bool>("point");
        QTest::newRow("finder") << "Déterminer" << true << false << true << false << false << true;
        QTest::newRow("4 bands") << "4 anneaux" << false << false << false << false << false << true;
        QTest::newRow("5 bands") << "5 anneaux" << false << false << true << true << true << true;
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
        for (QWidget* c : {(QWidget*)w->Combo4, (QWidget*)w->LineN[10], (QWidget*)w->LineN[12]})
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

    // ---- reading the bands ----
    void bands_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("typed"); // list=text, in order
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tolerance");
        auto row = [](const char* name, const char* mode, QStringList typed, const char* value,
                      const char* tolerance) {
            QTest::newRow(name) << mode << typed << value << tolerance;
        };
        row("4.7 k", "4 anneaux", {"Combo2=Jaune", "Combo3=Violet", "Combo6=Rouge", "Combo5=Or"},
            "4.7 k Ohms", "(+/- 5 %)");
        row("silver multiplier", "4 anneaux", {"Combo2=Marron", "Combo3=Noir", "Combo6=Argent"},
            ".10 Ohms", "(+/- 5 %)");
        row("trailing zero", "4 anneaux", {"Combo2=Marron", "Combo3=Noir", "Combo6=Jaune"},
            "100 k Ohms", "(+/- 5 %)");
        row("giga", "4 anneaux", {"Combo2=Rouge", "Combo3=Rouge", "Combo6=Gris", "Combo5=Vert"},
            "2.2 G Ohms", "(+/- 0,5 %)");
        row("five bands", "5 anneaux", {"Combo2=Marron", "Combo3=Noir", "Combo4=Vert", "Combo5=Bleu"},
            "105 Ohms", "(+/- 0,25 %)");
        row("case matters", "4 anneaux", {"Combo2=rouge", "Combo6=or"}, "10 Ohms", "(+/- 5 %)");
        row("no black first band", "4 anneaux", {"Combo2=Noir"}, "10 Ohms", "(+/- 5 %)");
        row("no orange tolerance", "4 anneaux", {"Combo5=Orange"}, "10 Ohms", "(+/- 5 %)");
    }
    void bands() {
        QFETCH(QString, mode);
        QFETCH(QStringList, typed);
        pick(w->Combo1, mode);
        for (const QString& t : typed) typeInto(list(t.section('=', 0, 0)), t.section('=', 1));
        QTEST(valueLine(*w), "value");
        QTEST(toleranceLine(*w), "tolerance");
        QVERIFY(fits(w->Label4));
    }

    void bandColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red first") << "Combo2" << "Rouge" << "Shape2" << kRed;
        QTest::newRow("wrong case") << "Combo2" << "rouge" << "Shape2" << QColor(128, 64, 0);
        QTest::newRow("black second") << "Combo3" << "Noir" << "Shape3" << theme::windowText();
        QTest::newRow("white third") << "Combo4" << "Blanc" << "Shape4" << QColor(Qt::white);
        QTest::newRow("gold multiplier") << "Combo6" << "Or" << "Shape5" << QColor(192, 192, 0);
        QTest::newRow("silver multiplier") << "Combo6" << "Argent" << "Shape5" << QColor(224, 224, 224);
        QTest::newRow("black tolerance") << "Combo5" << "Noir" << "Shape6" << theme::buttonText();
        QTest::newRow("violet tolerance") << "Combo5" << "Violet" << "Shape6" << QColor(128, 0, 128);
    }
    void bandColours() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, band);
        pick(w->Combo1, "5 anneaux");
        typeInto(list(name), typed);
        QTEST(w->findChild<Shape*>(band)->fillColor(), "colour");
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

    // ---- the SMD marking ----
    void smd_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("value");
        QTest::newRow("472") << QStringList{"4", "7", "2"} << QStringList{"4", "7", "2"} << "4.7 k Ohms";
        QTest::newRow("100") << QStringList{"1", "0", "0"} << QStringList{"1", "0", "0"} << "10 Ohms";
        QTest::newRow("101") << QStringList{"1", "0", "1"} << QStringList{"1", "0", "1"} << "100 Ohms";
        QTest::newRow("478") << QStringList{"4", "7", "8"} << QStringList{"4", "7", "8"} << "4.7 G Ohms";
        QTest::newRow("479") << QStringList{"4", "7", "9"} << QStringList{"4", "7", "9"} << "47 G Ohms";
        QTest::newRow("letter") << QStringList{"4", "x", "3"} << QStringList{"4", "", "3"} << "40 k Ohms";
        QTest::newRow("sign") << QStringList{"-", "2", "0"} << QStringList{"", "2", "0"} << "12 Ohms";
    }
    void smd() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, kept);
        pick(w->Combo1, "4 anneaux");
        typeInto(w->Combo2, "Marron"); // the value line reads 10 Ohms, then the marking
        pick(w->Combo1, "CMS/SMD");
        QLineEdit* fields[] = {w->cms1, w->cms2, w->cms3};
        for (int k = 0; k < 3; ++k) testing::type(fields[k], typed[k]);
        for (int k = 0; k < 3; ++k) QCOMPARE(fields[k]->text(), kept[k]);
        QTEST(valueLine(*w), "value");
    }

    // ---- the finder ----
    void finder_data() {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("digits"); // two digits: the third is switched off
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<bool>("standard");
        auto row = [](const char* name, bool fr, const char* digits, const char* factor,
                      const char* series, const char* shown, const char* lower, const char* upper,
                      bool standard) {
            QTest::newRow(name) << fr << digits << factor << series << shown << lower << upper
                                << standard;
        };
        // Three digits.
        row("470", false, "470", "x1", "E24", "470 Ohms", "430", "510", true);
        row("475", false, "475", "x1", "E24", "475 Ohms", "470", "510", false);
        row("1.00", false, "100", "x0.01", "E24", "1.00 Ohms", "0.91", "1.1", true);
        row("1,00 fr", true, "100", "x0.01", "E24", "1.00 Ohms", "0,91", "1,1", true);
        row("999 E48", false, "999", "x1", "E48", "999 Ohms", "953", "1000", false);
        row("475 E96", false, "475", "x1", "E96", "475 Ohms", "464", "487", true);
        row("22.0 M", false, "220", "x100k", "E24", "22.0 MOhms", "20", "24", true);
        row("1.00 G", false, "100", "x10M", "E24", "1.00 G.Ohms", "0.91", "1.1", true);
        // Two digits.
        row("47 x10", false, "47", "x10", "E24", "470 Ohms", "430", "510", true);
        row("47 x1", false, "47", "x1", "E24", "47 Ohms", "43", "51", true);
        row("0.47", false, "47", "x0.01", "E24", "0.47 Ohms", "0.43", "0.51", true);
        row("0,47 fr", true, "47", "x0.01", "E24", "0.47 Ohms", "0,43", "0,51", true);
        row("5.6 E48 fr", true, "56", "x0.1", "E48", "5.6 Ohms", "5,36", "5,62", false);
        row("3.3 k fr", true, "33", "x100", "E24", "3.3 kOhms", "3", "3,6", true);
        row("100 M", false, "10", "x10M", "E24", "100 M.Ohms", "91", "110", true);
    }
    void finder() {
        QFETCH(bool, french);
        QFETCH(QString, digits);
        QFETCH(QString, factor);
        QFETCH(QString, series);
        LocaleScope scope(french ? testing::french() : testing::english());
        pick(w->Combo7[1], series);
        pick(w->Combo11, factor);
        const bool two = digits.size() == 2;
        if (two) QTest::mouseClick(w->Check1, Qt::LeftButton);
        QComboBox* lists[] = {w->Combo8, w->Combo9, w->Combo10};
        for (int k = 0; k < digits.size(); ++k) pick(lists[k], digits.mid(k, 1));
        QTEST(finderLine(*w), "shown");
        QTEST(w->valst_txt[0]->text(), "lower");
        QTEST(w->valst_txt[1]->text(), "upper");
        QFETCH(bool, standard);
        QCOMPARE(w->Resok_sh->borderColor(), standard ? kGreen : kRed);
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
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("Vert"));
    }

    void thirdDigitSwitch() {
        const std::initializer_list<QWidget*> third{w->Label8[2], w->Shape4, w->Combo4,
                                                   w->LineN[10], w->LineN[11], w->LineN[12]};
        QTest::mouseClick(w->Check1, Qt::LeftButton);
        QVERIFY(isLocked(w->Combo10));
        QCOMPARE(textColour(w->Combo10), theme::scrollBar());
        for (QWidget* c : third) QVERIFY2(c->isHidden(), qPrintable(c->objectName()));
        QCOMPARE(finderLine(*w), QStringLiteral("10 Ohms"));
        QTest::mouseClick(w->Check1, Qt::LeftButton);
        QVERIFY(!isLocked(w->Combo10));
        QCOMPARE(textColour(w->Combo10), theme::windowText());
        for (QWidget* c : third) QVERIFY2(!c->isHidden(), qPrintable(c->objectName()));
        QCOMPARE(finderLine(*w), QStringLiteral("100 Ohms"));
    }

    // The zener tab's series list refreshes the finder, which keeps its own series.
    void zenerSeriesRunsTheFinder() {
        pick(w->Combo11, "x0.01");
        QCOMPARE(w->valst_txt[0]->text(), QStringLiteral("0.91"));
        LocaleScope scope(testing::french());
        pick(w->Combo7[0], "E48");
        QCOMPARE(w->valst_txt[0]->text(), QStringLiteral("0,91"));
    }

    // ---- a resistance handed over by a calculator ----
    void handover_data() {
        QTest::addColumn<QString>("valres");
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("shown"); // empty: nothing changes
        QTest::addColumn<bool>("two");
        const struct {
            const char* valres;
            bool french;
            const char* shown;
            bool two;
        } rows[] = {
            {"0.09", false, "", false},        {"0.1", false, "0.10 Ohms", true},
            {"0.47", false, "0.47 Ohms", true}, {"1", false, "1.0 Ohms", true},
            {"4.7", false, "4.7 Ohms", true},   {"4,7", true, "4.7 Ohms", true},
            {"9.5", false, "9.5 Ohms", true},   {"10", false, "10 Ohms", true},
            {"47.5", false, "47 Ohms", true},   {"99.5", false, "99 Ohms", true},
            {"100", false, "100 Ohms", false},  {"470,25", true, "470 Ohms", false},
            {"999", false, "999 Ohms", false},  {"1000", false, "", false},
            {"-5", false, "", false},           {"-0", false, "", false},
            {"1E-05", false, "", false},        {"", false, "", false},
            {"4.7", true, "", false},           {"abc", false, "", false},
        };
        for (const auto& r : rows)
            QTest::newRow(r.valres[0] ? r.valres : "empty")
                << QString(r.valres) << r.french << QString(r.shown) << r.two;
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
        QTEST(w->Check1->isChecked(), "two");
    }
};

KIREL_TEST_MAIN(TestResis)
#include "test_resis.moc"
