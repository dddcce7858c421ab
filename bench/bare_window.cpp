// The yardstick for start-up time and memory: a bare Qt Widgets window of the
// same size, style and font as Kirel's, with a tab strip and a few fields and
// labels, ending after its first paint like kirel_startup.cpp.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTabBar>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(363, 249);
    auto* tabs = new QTabBar(&window);
    tabs->setShape(QTabBar::RoundedWest);
    for (const char* caption : {"Bases", "Led", "Zener", "Trans", "Résis", "???"})
        tabs->addTab(QString::fromUtf8(caption));
    tabs->setGeometry(0, 0, 25, 249);
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(QStringLiteral("Valeur %1:").arg(row + 1), &window);
        label->setGeometry(40, 20 + 30 * row, 60, 20);
        auto* field = new QLineEdit(QStringLiteral("1"), &window);
        field->setGeometry(110, 20 + 30 * row, 60, 20);
    }
    bench::quitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
