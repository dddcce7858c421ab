#include "window/app.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QTranslator>
#include <utility>

namespace {
// The window icon, drawn from its vector file at whatever size is asked for:
// crisp at any scale. Drawn here rather than by Qt's SVG icon plugin, which
// would be looked up and loaded at start-up for this one icon.
class VectorIcon : public QIconEngine {
public:
    explicit VectorIcon(QString file) : file_(std::move(file)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        QSvgRenderer svg(file_);
        svg.setAspectRatioMode(Qt::KeepAspectRatio);
        svg.render(painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pm;
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
    app.setWindowIcon(QIcon(new VectorIcon(QStringLiteral(":/assets/kirel.svg"))));
}

} // namespace kirel
