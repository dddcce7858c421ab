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
    // The "Résis" tab in each of its modes.
    w.TabStrip1->setCurrentIndex(4);
    const char* modes[] = {"resis", "resis-4", "resis-5", "resis-smd"};
    for (int m = 3; m >= 0; --m) {
        w.Combo1->setCurrentIndex(m);
        save(w, dir, QString::fromLatin1(modes[m]));
    }
    // A worked example on each calculator, then the LED error state.
    w.TabStrip1->setCurrentIndex(1);
    type(w.Text13, QStringLiteral("5"));
    type(w.Text14, QStringLiteral("2"));
    type(w.Text16, QStringLiteral("3"));
    save(w, dir, QStringLiteral("led-error"));
    w.TabStrip2->setCurrentIndex(1);
    type(w.Text21, QStringLiteral("5"));
    type(w.Text22, QStringLiteral("2"));
    type(w.Text24, QStringLiteral("4"));
    save(w, dir, QStringLiteral("led-parallel"));
    w.TabStrip2->setCurrentIndex(0);
    w.TabStrip1->setCurrentIndex(2);
    type(w.Text28, QStringLiteral("12"));
    type(w.Text27, QStringLiteral("5.1"));
    type(w.Text26, QStringLiteral("20"));
    save(w, dir, QStringLiteral("zener-computed"));
    w.TabStrip1->setCurrentIndex(4);
    save(w, dir, QStringLiteral("resis-handover"));
    return 0;
}
