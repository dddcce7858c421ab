#include <QApplication>

#include "window/app.h"
#include "window/base.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kirel::setupApplication(app);
    Base window;
    window.show();
    return app.exec();
}
