// The calculators as a user meets them: Ohm's law and power, LEDs in series and
// in parallel, the zener regulator and the transistor, typed and pasted key by
// key, in English and in French.

#include "testing.h"

namespace {
// The lamp that shows ("green", "yellow", "red"), and the LED panels' error
// state ("series", "parallel", "none"; a message without its whole bracket, or
// the reverse, reads as a fault).
std::optional<QString> own(const Base& w, const QString& name) {
    if (name == QLatin1String("lamp")) { // the soak test sees that one lamp only shows
        for (auto [lamp, colour] : {std::pair{"zdok", "green"}, {"zdm", "yellow"}, {"zdno", "red"}})
            if (!testing::get(w, lamp)->isHidden()) return QString(colour);
        return QStringLiteral("none");
    }
    if (name == QLatin1String("errors")) {
        QStringList on;
        for (auto [message, bracket, panel] : {std::tuple{"lbl_errvals", "Linel", "series"},
                                               {"lbl_errvalp", "Linelp", "parallel"}}) {
            const auto lines =
                std::ranges::count_if(testing::all(w, bracket, 3), std::not_fn(&QWidget::isHidden));
            const QString text = testing::get<QLabel>(w, message)->text();
            const bool whole = lines == 3 && text == "Erreur: diminuer le nombre de leds!";
            if (lines || !text.isEmpty()) on << panel + QString(whole ? "" : " broken");
        }
        return on.isEmpty() ? QStringLiteral("none") : on.join(u'+');
    }
    return std::nullopt;
}
} // namespace

class TestCalculators : public testing::WindowSuite {
    Q_OBJECT

private slots:
    void scenarios_data() {
        const QStringList parts = {
            "Text1=12; Text2=0.5; Text3=2; ",                        // %1 Ohm's law
            "tab=2; Text28=12; Text27=5.1; Text26=20; ",             // %2 a zener
            "Text25=345; Valpro_txt=330; Text29=20.909; lamp=green", // %3 its results
            "Hors limite du logiciel pour calcul automatique.",      // %4
            "Text13=5; Text14=2; Text15=20; Text16=3",               // %5 LEDs, supply too low
            "Text21=5; Text22=2; Text23=20; ",                       // %6 LEDs in parallel
            "tab=2; Text28=25; Text27=0; Text26=20; ",               // %7 a zener off limits
        };
        static const char* const rows[][3] = {
            // Ohm's law: I, R and U from the two others, R handed over.
            {"ohm", "Text1=12; Text2=0.5; Text3=1", "Text12=12; Text11=24; Text9=0.5; handed=24"},
            {"ohm, R zero changes nothing", "%1Text3=0", "Text12=6; Text11=24; Text9=1; handed=24"},
            // A resistance that fails to compute hands nothing over: "Résis" stays as it was.
            {"ohm, R overflows: Résis kept",
             "Text1=12; Text2=0.5; tab=4; Combo1=4 anneaux; Text1:=1e308",
             "Text11=24; Combo1=4 anneaux"},
            {"ohm, an overflow skips one step",
             "Text1=12; Text2=0.5; Text3=1; Text1:=1e300; Text2:=1e-99",
             "Text11=2E+300; handed=2E+300; Text9=0; Text12=1E+300"},
            // Power, P = U * I and P = R * I².
            {"P=UI", "Text4=12; Text5=2; Text6=6", "Text10=3; Text8=0.5; Text7=24; handed="},
            {"P=RI²", "Option1(1); Text4=100; Text5=0.1; Text6=1",
             "Text10=100; Text8=0.1; Text7=1; handed=100"},
            // LEDs in series: R and its power from the rounded R, the error bracket.
            {"series", "Text13=12; Text14=2; Text15=20; Text16=3",
             "Text17=300; Text18=0.12; errors=none; handed=300"},
            {"series, supply too low", "%5", "Text17=-50; Text18=-0.02; errors=series; handed=-50"},
            {"series, error clears", "%5; Text13=12", "Text17=300; errors=none"},
            // LEDs in parallel.
            {"parallel", "%6Text24=3", "Text20=50; errors=none; handed=50"},
            {"parallel, rounds to 0", "%6Text24=400", "Text20=0; errors=parallel"},
            {"handed to the colour code",
             "tab=4; Combo1=4 anneaux; Text13=5; Text14=1.8; Text15=15; Text16=1",
             "Combo1=Déterminer; Label8(0)=2; Label8(1)=1; Label8(2)=3; Combo4=Orange; "
             "valst_txt(0)=200; valst_txt(1)=220"},
            // The zener: ideal R, the E24 value strictly below from 10 to 1000 ohms, lamps.
            {"zener", "%2", "%3; zdofflimit=-; handed=345; Timg(0)=345; Timg(1)=12V; Timg(2)=5.1V"},
            {"zener, above 1100", "%2Text28:=30",
             "Text25=1245; Valpro_txt=330; zdofflimit=%4; Text29=75.455; lamp=green"},
            {"zener, a letter becomes 1", "%2Valpro_txt=x",
             "Valpro_txt=1; Valpro_txt@=0-1; Text29=6900"},
            {"zener, comma chosen",
             "locale=fr; Option2(1); tab=2; Text28=12; Text27=5,1; Text26=20; Valpro_txt:=00",
             "Text25=345; Valpro_txt=00; Text29=20,909; lamp=green"},
            // Under E48 or E96 the shown resistance is rated again at each change.
            {"zener, other series", "%2Combo7(0)=E96; Text28=11",
             "Text25=295; Valpro_txt=330; Text29=17.879; lamp=red"},
            {"zener, message clicked away", "%7zdofflimit", "zdofflimit=-"},
            {"zener, message back", "%7zdofflimit; Text26=10", "zdofflimit=%4"},
            {"overflowKeepsIdealResistance", "%2Text1=12; Text2=0.5; Text28:=9e307",
             "Text25=345; Timg(0)=345; Timg(1)=9e307V; handed=24"},
            // The transistor: Ib shown rounded, R from the exact Ib.
            {"transistor", "Text31=100; Text32=150; Text34=5", "Text33=0.667; Text35=6.6"},
            // Under a French locale a decimal comma counts on every tab, the point still
            // chosen, and results are written with a comma.
            {"French comma, LED", "locale=fr; Text13=12,1; Text14=2; Text15=300; Text16=1",
             "Text17=33,7; Text18=3,03; handed=33,7"},
            // (A text the locale reads whole, group separators, blanks, the minus
            // sign U+2212 or the locale's own digits, is read as it shows: test_rules
            // and test_typing.)
        };
        testing::addScenarios(rows, parts);
    }
    void scenarios() {
        testing::runScenario(*w, [this](const QString& n) { return own(*w, n); });
    }
};

QTEST_MAIN(TestCalculators)
#include "test_calculators.moc"
