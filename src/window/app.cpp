#include "window/app.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace kirel {

void installQtFrench(QCoreApplication& app) {
    auto* french = new QTranslator(&app);
    if (french->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(french);
    else
        delete french;
}

void setupApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kirel"));
    QApplication::setApplicationVersion(QStringLiteral(KIREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Kirel"));
    installQtFrench(app);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    // A small sans-serif, metrically close to the classic 8 pt dialog font the
    // window was laid out for; the platform substitutes when it is missing.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/kirel.svg")));
}

} // namespace kirel
