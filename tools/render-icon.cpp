// Draws the program's SVG icon into square PNG images, one per size asked
// for: the fixed sizes that menus and docks read from the hicolor theme.
// The PNG writer adds no time stamp, so the same input gives the same bytes.
// Usage: kirel-render-icon SVG SIZE OUT.png [SIZE OUT.png ...]
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s SVG SIZE OUT.png [SIZE OUT.png ...]\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not an SVG image Qt can draw\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; i += 2) {
        bool number = false;
        const int size = QByteArray(argv[i]).toInt(&number);
        if (!number || size < 1 || size > 1024) {
            std::fprintf(stderr, "%s: not a size from 1 to 1024\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        if (!image.save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "%s: cannot be written\n", argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
