#include "window/app.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QTranslator>
#include <utility>

#include "kit/controls.h"
#include "kit/style.h"

namespace {
// The window icon, drawn from its vector file at whatever size is asked for:
// crisp at any scale. Drawn here rather than by Qt's SVG icon plugin, which
// would be looked up and loaded at start-up for this one icon; the SVG image
// plugin that draws it is loaded when the icon is first drawn.
class VectorIcon : public QIconEngine {
public:
    explicit VectorIcon(QString file) : file_(std::move(file)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QImage drawn = drawVector(file_, (QSizeF(rect.size()) * ratio).toSize());
        drawn.setDevicePixelRatio(ratio);
        painter->drawImage(rect.topLeft(), drawn);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(drawVector(file_, size));
    }
    QIconEngine* clone() const override { return new VectorIcon(file_); }
    QString key() const override { return QStringLiteral("KirelVectorIcon"); }

private:
    QString file_;
};
} // namespace

namespace kirel {

void installQtFrench(QCoreApplication& app) {
    auto* french = new QTranslator(&app);
    if (french->load(QStringLiteral("qtbase_fr"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(french);
    else
        delete french;
}

void setupApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kirel"));
    QApplication::setApplicationVersion(QStringLiteral(KIREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Kirel"));
    installQtFrench(app);
    app.setStyle(new Style);
    // A small sans-serif, metrically close to the classic 8 pt dialog font the
    // window was laid out for; the platform substitutes when it is missing.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    app.setWindowIcon(QIcon(new VectorIcon(QStringLiteral(":/assets/kirel.svg"))));
}

} // namespace kirel
