// The "Résis" tab as a user meets it: the mode list, reading colour bands and
// SMD markings, composing a value in the finder, and a resistance handed over
// by a calculator; the drawing, the band lists and the value line always show
// one code.

#include "testing.h"

namespace {
// The colour code, given once: the colour a band of each name wears.
QColor colourOf(const QString& name) {
    static const QHash<QString, QColor> code = {
        {"Argent", {224, 224, 224}}, {"Or", {192, 192, 0}},     {"Noir", theme::windowText()},
        {"Marron", {128, 64, 0}},    {"Rouge", {255, 0, 0}},    {"Orange", {255, 128, 0}},
        {"Jaune", {255, 255, 0}},    {"Vert", {0, 255, 0}},     {"Bleu", {0, 0, 255}},
        {"Violet", {128, 0, 128}},   {"Gris", {128, 128, 128}}, {"Blanc", {255, 255, 255}}};
    return code.value(name);
}

// The shown labels of a row, left to right, then the unit one space further,
// as a written value reads: "_" marks a gap or an overlap, "^" a label in
// another font or place than the first one, off its baseline.
QString line(QList<QLabel*> labels, const QLabel* unit) {
    labels.removeIf([](QLabel* l) { return l->isHidden(); });
    std::ranges::sort(labels, {}, &QWidget::x);
    auto look = [](const QLabel* l) { return std::tuple(l->y(), l->height(), l->font()); };
    QString out;
    int right = labels[0]->x();
    for (QLabel* l : labels) {
        out += (l->x() != right ? "_" : "") + QString(look(l) != look(labels[0]) ? "^" : "");
        out += l->text();
        right = l->x() + (l->text().isEmpty() ? 0 : l->width());
    }
    const bool spaced = unit->x() - right == unit->fontMetrics().horizontalAdvance(' ');
    return out + (spaced ? " " : " _") + unit->text();
}

// What the tab shows beyond single controls: "bands", the drawn bands named by
// their lists (a band not wearing its list's colour reads "?"); "value", the
// value line under the drawing; "finder", the finder's row with
// its neighbours and the frame's verdict.
std::optional<QString> own(const Base& w, const QString& name) {
    if (name == QLatin1String("bands")) {
        QStringList bands;
        for (auto [band, list] : {std::pair{"Shape2", "Combo2"},
                                  {"Shape3", "Combo3"},
                                  {"Shape4", "Combo4"},
                                  {"Shape5", "Combo6"},
                                  {"Shape6", "Combo5"},
                                  {"Shape10", "Combo13"}}) {
            const QString colour = testing::get<QComboBox>(w, list)->currentText();
            if (testing::get(w, band)->isHidden() || !testing::get(w, "Picture5")->isHidden())
                continue;
            bands << (testing::get<Shape>(w, band)->fillColor() == colourOf(colour) ? colour : "?");
        }
        return bands.join(' ');
    }
    if (name == QLatin1String("value"))
        return line(testing::all<QLabel>(w, "val_lbl", 6), testing::get<QLabel>(w, "Label4"));
    const QString digits =
        line(testing::all<QLabel>(w, "Label8", 3) + testing::all<QLabel>(w, "Label9", 2),
             testing::get<QLabel>(w, "Label11"));
    if (name == QLatin1String("digits")) return digits;
    if (name == QLatin1String("finder")) {
        const QColor frame = testing::get<Shape>(w, "Resok_sh")->borderColor();
        const QString verdict = frame == Qt::green ? "green" : frame == Qt::red ? "red" : "?";
        return testing::get<QLineEdit>(w, "valst_txt(0)")->text() + " < " + digits + " < " +
               testing::get<QLineEdit>(w, "valst_txt(1)")->text() + ' ' + verdict;
    }
    return std::nullopt;
}
} // namespace

class TestResis : public testing::WindowSuite {
    Q_OBJECT

public:
    TestResis() : WindowSuite(4) {}

private slots:
    // What the tab shows after picks, typed texts, modes and hand-overs.
    void scenarios_data() {
        static const char* const rows[][3] = {
            {"start", "",
             "Combo1=Déterminer; value=10 Ohms; tol_lbl=5; finder=91 < 100 Ohms < 110 green; "
             "Combo7(1)=E24; cmsmark_txt=101 / 1000 / 01A; cmsmark_txt#=Marquages CMS / "},
            // Reading the bands: typing applies only an exact item; leaving the list,
            // Return or a mode commits it to an item: the one named in any case, or
            // the one it showed.
            {"left, or Return", "Combo1=4 anneaux; Combo2~rouge; Combo6~Grx; Combo5~argent\r",
             "Combo2=Rouge; Combo6=Noir; bands=Rouge Noir Noir Argent; tol_lbl=10"},
            {"another list's colour, lower case, then a marking and four bands",
             "Combo1=4 anneaux; Combo2~Noir; Combo3~jaune; Combo1=CMS/SMD; cms1=4; cms2=7; "
             "cms3=0; Combo1=4 anneaux",
             "Combo2=Marron; Combo3=Jaune; bands=Marron Jaune Noir Or; value=14 Ohms"},
            {"five bands",
             "Combo1=5 anneaux; Combo2~Jaune; Combo3~Violet; Combo4~Rouge; Combo6~Marron",
             "bands=Jaune Violet Rouge Marron Or; value=4.72 k Ohms"},
            // Each mode entered from the four-band mode with a point on the value line,
            // so that what a mode leaves alone shows; then a colour typed into the first list.
            {"modes, finder entered",
             "Combo1=4 anneaux; Combo2~Rouge; Combo6~Or; Combo1=Déterminer; Combo2~Rouge",
             "Determiner=shown; Picture5=-; Picture6=-; Combo4=Noir; Line11=shown; val_lbl(2)=-; "
             "val_lbl(3)=-; bands=Marron Noir Noir Noir Or; Combo2!=locked grey; "
             "Combo3!=locked grey; Combo4!=locked grey; Combo5!=locked grey; Combo6!=locked grey"},
            {"modes, four bands", "Combo1=4 anneaux; Combo6~Or; Combo1=4 anneaux; Combo2~Rouge",
             "Determiner=-; Picture5=-; Picture6=-; Combo4=-; Line11=-; val_lbl(2)=-; "
             "val_lbl(3)=.; bands=Rouge Noir Or Or; Combo2!=open; Combo6!=open"},
            {"modes, five bands", "Combo1=4 anneaux; Combo6~Or; Combo1=5 anneaux; Combo2~Rouge",
             "Determiner=-; Picture5=-; Picture6=-; Combo4=Noir; Line11=shown; val_lbl(2)=0; "
             "val_lbl(3)=-; bands=Rouge Noir Noir Or Or; Combo4!=open"},
            {"six bands, typed in lower case",
             "Combo1=6 anneaux; Combo2~Jaune; Combo3~Violet; Combo4~Noir; Combo6~Marron; "
             "Combo5~Marron; Combo13~rouge\r",
             "Combo13=Rouge; bands=Jaune Violet Noir Marron Marron Rouge; value=4.70 k Ohms; "
             "tol_lbl=1; tc_lbl=50 ppm/K; Combo13!=open; Line20=shown; Label2(7)=Coef. temp.:; "
             "Combo13#=Coefficient de température / "},
            {"six bands through the finder, a name not an item taken back",
             "Combo1=6 anneaux; Combo13~Bleu; Combo13~Blx; Combo1=Déterminer; Combo8=4; "
             "Combo1=6 anneaux",
             "Combo13=Bleu; bands=Jaune Noir Noir Noir Or Bleu; value=400 Ohms; tc_lbl=10 ppm/K"},
            {"six bands left", "Combo1=6 anneaux; Combo1=5 anneaux",
             "Shape10=-; Combo13=-; Label2(7)=-; tc_lbl=-; Line19=-; Line20=-; Line21=-"},
            {"modes, SMD", "Combo1=4 anneaux; Combo6~Or; Combo1=CMS/SMD",
             "Determiner=-; Picture5=shown; Picture6=shown; Combo4=-; Line11=-; val_lbl(2)=-; "
             "val_lbl(3)=-"},
            {"third digit off", "Check1",
             "Combo10!=locked grey; Label8(2)=-; Shape4=-; Combo4=-; Line10=-; Line11=-; "
             "Line12=-; finder=9.1 < 10 Ohms < 11 green"},
            {"third digit back", "Check1; Check1",
             "Combo10!=open; Label8(2)=0; Shape4=shown; Combo4=Noir; Line10=shown; Line11=shown; "
             "Line12=shown; finder=91 < 100 Ohms < 110 green"},
            // The SMD marking.
            {"a letter is refused, one digit a field", "Combo1=CMS/SMD; cms1=47; cms2=x; cms3=3",
             "cms1=4; cms2=; value=4 k Ohms"},
            // One code on screen: every pick, mode and hand-over shows it whole.
            {"tolerance drawn", "Combo12=0.05%; Combo1=4 anneaux; Combo5=Or; Combo1=Déterminer",
             "Combo5=Gris; bands=Marron Noir Noir Noir Gris; tol_lbl=0,05"},
            {"hand-over of the shown digits", "Combo1=4 anneaux; Combo2~Rouge; handed=100",
             "Combo1=Déterminer; Determiner=shown; bands=Marron Noir Noir Noir Or; "
             "finder=91 < 100 Ohms < 110 green"},
            {"hand-over of two digits", "handed=4.7",
             "Combo10!=locked grey; finder=4.3 < 4.7 Ohms < 5.1 green; cmsmark_txt=4R7 / 4R70"},
            // Behind another tab the hand-overs are read when the tab shows, as
            // they would have been one by one (a two-digit value keeps the third digit).
            {"hand-overs on the tab", "%1; handed=475; handed=4.7", "%2"},
            {"hand-overs behind a tab", "%1; tab=2; handed=475; handed=4.7; tab=4", "%2"},
            {"two digits after five bands",
             "Check1; Combo11=x10M; Combo1=5 anneaux; Combo1=Déterminer",
             "bands=Marron Noir Violet Or; finder=91 < 100 M.Ohms < 110 green"},
            // The band lists under the SMD panel are out of reach, for a reader too.
            {"marking after bands",
             "Combo1=CMS/SMD; cms1=4; cms2=7; cms3=2; Combo1=5 anneaux; Combo1=CMS/SMD",
             "bands=; value=4.7 k Ohms; Combo2!=locked; Combo13!=locked"},
            {"empty marking", "Combo1=4 anneaux; Combo1=CMS/SMD",
             "value= ; cms4=; cms_lbl=; Label3=123; cms4#=Quatrième chiffre / CMS: nombre de "
             "zéros d'un marquage à 4 chiffres"},
            // Complete markings read whole, the letters typed in lower case; the fourth
            // character deleted leaves three; a letter outside the third field is refused.
            {"four digits, then three", "Combo1=CMS/SMD; cms1=4; cms2=7; cms3=0; cms4=2; cms4=",
             "value=47 Ohms; cms_lbl=3 chiffres; Label3=470"},
            {"R as the point", "Combo1=CMS/SMD; cms1=r; cms2=0; cms3=4; cms4=7; cms4=c",
             "cms1=R; cms4=; value=0.04 Ohms; cms_lbl=R = virgule; Label3=R04"},
            {"R or EIA-96", "Combo1=CMS/SMD; cms1=4; cms2=7; cms3=r",
             "value=47 Ohms; cms_lbl=R = virgule, ou EIA-96 : 3.01 Ohms; Label3=47R"},
            {"EIA-96, left and entered again",
             "Combo1=CMS/SMD; cms1=0; cms2=1; cms3=c; Combo1=4 anneaux; Combo1=CMS/SMD",
             "cms3=C; value=10.0 k Ohms; cms_lbl=EIA-96 (1 %); Label3=01C"},
            {"unknown, then incomplete",
             "Combo1=CMS/SMD; cms1=9; cms2=9; cms3=a; cms2=", "value= ; cms_lbl=; Label3=99A"},
            // The finder: digits, multiplier and series; "Off" for two digits.
            {"475", "Combo8=4; Combo9=7; Combo10=5; Combo11=x0.1",
             "finder=47 < 47.5 Ohms < 51 red; bands=Jaune Violet Vert Or Or"},
            {"E96", "Combo7(1)=E96; Combo8=4; Combo9=7; Combo10=5",
             "finder=464 < 475 Ohms < 487 green"},
            {"E96, handed over", "Combo1=4 anneaux; Combo7(1)=E96; handed=4750",
             "finder=4.64 < 4.75 kOhms < 4.87 green; cmsmark_txt=4751 / 66B"},
            {"E6 at the decade's edge", "Combo7(1)=E6; Check1; Combo8=9; Combo9=9",
             "finder=68 < 99 Ohms < 100 red; cmsmark_txt=990 / 99R0"},
            {"E192 at the decade's edge", "Combo7(1)=E192; Combo11=x10",
             "finder=0.988 < 1.00 kOhms < 1.01 green; cmsmark_txt=102 / 1001 / 01B"},
            {"two digits x0.1",
             "locale=fr; Combo7(1)=E48; Check1; Combo8=5; Combo9=6; Combo11=x0.1",
             "finder=5,36 < 5.6 Ohms < 5,62 red"},
            {"zener series runs the finder", "locale=fr; Combo11=x0.01; tab=2; Combo7(0)=E48",
             "finder=0,91 < 1.00 Ohms < 1,1 green"},
            // A resistance without a marking leaves the finder as it was.
            {"kept", "handed=555; Combo1=4 anneaux; handed=0.09; handed=-5; handed=1E-05",
             "Combo1=4 anneaux; digits=555 Ohms"},
        };
        testing::addScenarios(rows,
                              {"Combo1=5 anneaux; Combo5=Argent",
                               "Combo1=Déterminer; Combo10=5; Combo5=Or; Label4=Ohms; "
                               "bands=Jaune Violet Or Or; finder=4.3 < 4.7 Ohms < 5.1 green"});
    }
    void scenarios() {
        testing::runScenario(*w, [this](const QString& n) { return own(*w, n); });
    }

    // Each multiplier band, from x0.01 to x1G, wears its colour, and the value line
    // spells the digits times it (the other readers: test_rules).
    void everyMultiplierReadsItsValue() {
        const QStringList values =
            QString(".47,4.7,47,470,4.7 k,47 k,470 k,4.7 M,47 M,470 M,4.7 G,47 G").split(',');
        for (int m = 0; m < 12; ++m) {
            const QString colour = testing::get<QComboBox>(*w, "Combo6")->itemText(m);
            testing::act(*w, "Combo1=4 anneaux; Combo2~Jaune; Combo3~Violet; Combo6~" + colour);
            QCOMPARE(*own(*w, "value") + "; " + *own(*w, "bands"),
                     values[m] + " Ohms; Jaune Violet " + colour + " Or");
        }
    }

    // Six bands stand apart on the body, which widens about its centre.
    void sixBandsOnTheBody() {
        const auto at = [this](const char* name) { return testing::get(*w, name)->geometry(); };
        const QPoint centre = at("Shape1").center(); // five bands at start
        testing::act(*w, "Combo1=6 anneaux");
        const QRect body = at("Shape1");
        int right = body.left();
        for (const char* band : {"Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape10"}) {
            QVERIFY2(at(band).left() > right && at(band).right() < body.right(), band);
            right = at(band).right();
        }
        QCOMPARE(body.center(), centre);
    }
};

QTEST_MAIN(TestResis)
#include "test_resis.moc"
