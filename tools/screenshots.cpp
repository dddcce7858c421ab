// Renders every tab of the window to PNG files, for the README and for looking
// at the window without a desktop:  kirel-screenshots <folder>
// Run it with QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 gives 200 % pictures.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "window/app.h"
#include "window/base.h"

namespace {
void type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}
void save(Base& w, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    w.grab().save(dir.filePath(name + QStringLiteral(".png")));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kirel::setupApplication(app);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    QDir().mkpath(dir.path());

    Base w;
    w.show();
    const char* tabs[] = {"bases", "led", "zener", "trans", nullptr, "aide"};
    for (int i = 0; i < 6; ++i) {
        if (!tabs[i]) continue; // the "Résis" tab comes below, in each of its modes
        w.TabStrip1->setCurrentIndex(i);
        save(w, dir, QString::fromLatin1(tabs[i]));
    }
    // The "Résis" tab in each of its modes: the marking 472, the bands yellow,
    // violet, red and brown read in five and in four bands, then the finder.
    w.TabStrip1->setCurrentIndex(4);
    for (auto [field, digit] : {std::pair{w.cms1, "4"}, {w.cms2, "7"}, {w.cms3, "2"}})
        field->setText(QString::fromLatin1(digit));
    for (auto [list, colour] : {std::pair{w.Combo2, "Jaune"}, {w.Combo3, "Violet"},
                                {w.Combo4, "Rouge"}, {w.Combo6, "Marron"}})
        list->setEditText(QString::fromLatin1(colour));
    const char* modes[] = {"resis", "resis-4", "resis-5", "resis-smd"};
    for (int m = 3; m >= 0; --m) {
        w.Combo1->setCurrentIndex(m);
        save(w, dir, QString::fromLatin1(modes[m]));
    }
    // Worked examples: the LED error state, the parallel panel, the zener tab.
    const struct {
        int tab, ledTab;
        std::initializer_list<std::pair<QLineEdit*, const char*>> typed;
        const char* name;
    } scenes[] = {
        {1, 0, {{w.Text13, "5"}, {w.Text14, "2"}, {w.Text16, "3"}}, "led-error"},
        {1, 1, {{w.Text21, "5"}, {w.Text22, "2"}, {w.Text24, "4"}}, "led-parallel"},
        {2, 0, {{w.Text28, "12"}, {w.Text27, "5.1"}, {w.Text26, "20"}}, "zener-computed"},
    };
    for (const auto& scene : scenes) {
        w.TabStrip1->setCurrentIndex(scene.tab);
        w.TabStrip2->setCurrentIndex(scene.ledTab);
        for (const auto& [field, text] : scene.typed) type(field, QString::fromLatin1(text));
        save(w, dir, QString::fromLatin1(scene.name));
    }
    w.TabStrip1->setCurrentIndex(4);
    save(w, dir, QStringLiteral("resis-handover"));
    return 0;
}
