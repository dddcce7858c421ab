// Renders every tab of the window to PNG files, for the README and for looking
// at the window without a desktop:  kirel-screenshots <folder> [<name suffix>]
// Run it with QT_QPA_PLATFORM=offscreen, or on a virtual display with a dark
// desktop palette (QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark) and the
// suffix "-dark"; QT_SCALE_FACTOR=2 gives 200 % pictures.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "codes/colours.h"
#include "window/app.h"
#include "window/base.h"

namespace {
void typeOver(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}
QString suffix; // after each file's name
void saveShot(Base& w, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    w.grab().save(dir.filePath(name + suffix + QStringLiteral(".png")));
}
} // namespace

// A control of the window by its name.
template <class T>
T* control(const Base& w, const char* name) {
    return w.findChild<T*>(name);
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kirel::setupApplication(app);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    QDir().mkpath(dir.path());
    if (argc > 2) suffix = QString::fromLocal8Bit(argv[2]);

    Base w;
    w.show();
    const char* tabs[] = {"bases", "led", "zener", "trans", nullptr, "aide"};
    for (int i = 0; i < 6; ++i) {
        if (!tabs[i]) continue; // the "Résis" tab comes below, in each of its modes
        w.selectTab(i);
        saveShot(w, dir, QString::fromLatin1(tabs[i]));
    }
    // The "Résis" tab in each of its modes: the marking 472, the bands yellow,
    // violet, red and brown read in five and in four bands, then the finder.
    w.selectTab(Base::Resis);
    for (auto [field, digit] : {std::pair{control<QLineEdit>(w, "cms1"), "4"},
                                {control<QLineEdit>(w, "cms2"), "7"},
                                {control<QLineEdit>(w, "cms3"), "2"}})
        field->setText(QString::fromLatin1(digit));
    for (auto [list, colour] : {std::pair{control<QComboBox>(w, "Combo2"), "Jaune"},
                                {control<QComboBox>(w, "Combo3"), "Violet"},
                                {control<QComboBox>(w, "Combo4"), "Rouge"},
                                {control<QComboBox>(w, "Combo6"), "Marron"}})
        list->setEditText(QString::fromLatin1(colour));
    using codes::Mode;
    const std::pair<Mode, const char*> modes[] = {{Mode::Smd, "resis-smd"},
                                                  {Mode::FiveBands, "resis-5"},
                                                  {Mode::FourBands, "resis-4"},
                                                  {Mode::Finder, "resis"}};
    for (auto [mode, name] : modes) {
        control<QComboBox>(w, "Combo1")->setCurrentIndex(int(mode));
        saveShot(w, dir, QString::fromLatin1(name));
    }
    // Six bands: 4.70 k ohms, 1 %, 50 ppm/K.
    control<QComboBox>(w, "Combo1")->setCurrentIndex(int(Mode::SixBands));
    for (auto [list, colour] : {std::pair{control<QComboBox>(w, "Combo2"), "Jaune"},
                                {control<QComboBox>(w, "Combo3"), "Violet"},
                                {control<QComboBox>(w, "Combo4"), "Noir"},
                                {control<QComboBox>(w, "Combo6"), "Marron"},
                                {control<QComboBox>(w, "Combo5"), "Marron"},
                                {control<QComboBox>(w, "Combo13"), "Rouge"}})
        list->setEditText(QString::fromLatin1(colour));
    saveShot(w, dir, QStringLiteral("resis-6"));
    // An SMD marking of each other kind: four digits, R as the point, EIA-96, and
    // "47R", R as the point or an EIA-96 code.
    control<QComboBox>(w, "Combo1")->setCurrentIndex(int(Mode::Smd));
    for (const QString marking : {"4702", "4R7", "01C", "47R"}) {
        control<QLineEdit>(w, "cms4")->clear();
        for (int k = 0; k < marking.size(); ++k)
            control<QLineEdit>(w, qPrintable("cms" + QString::number(k + 1)))->setText(marking[k]);
        saveShot(w, dir, "resis-smd-" + marking.toLower());
    }
    // Worked examples: the LED error state, the parallel panel, the zener tab.
    const struct {
        int tab, ledTab;
        std::initializer_list<std::pair<QLineEdit*, const char*>> typed;
        const char* name;
    } scenes[] = {
        {1,
         0,
         {{control<QLineEdit>(w, "Text13"), "5"},
          {control<QLineEdit>(w, "Text14"), "2"},
          {control<QLineEdit>(w, "Text16"), "3"}},
         "led-error"},
        {1,
         1,
         {{control<QLineEdit>(w, "Text21"), "5"},
          {control<QLineEdit>(w, "Text22"), "2"},
          {control<QLineEdit>(w, "Text24"), "4"}},
         "led-parallel"},
        {2,
         0,
         {{control<QLineEdit>(w, "Text28"), "12"},
          {control<QLineEdit>(w, "Text27"), "5.1"},
          {control<QLineEdit>(w, "Text26"), "20"}},
         "zener-computed"},
    };
    for (const auto& scene : scenes) {
        w.selectTab(scene.tab);
        control<QTabBar>(w, "TabStrip2")->setCurrentIndex(scene.ledTab);
        for (const auto& [field, text] : scene.typed) typeOver(field, QString::fromLatin1(text));
        saveShot(w, dir, QString::fromLatin1(scene.name));
    }
    w.selectTab(Base::Resis);
    saveShot(w, dir, QStringLiteral("resis-handover"));
    // 4750 ohms handed over with the finder's series at E96: a value of E96 and
    // its markings.
    control<QComboBox>(w, "Combo7(1)")->setCurrentIndex(4);
    w.showResistance(4750);
    saveShot(w, dir, QStringLiteral("resis-handover-e96"));
    return 0;
}
