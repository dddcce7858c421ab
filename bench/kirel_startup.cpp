// The program exactly as src/main.cpp starts it, ending after its first paint.

#include <QApplication>

#include "first_paint.h"
#include "window/app.h"
#include "window/base.h"
#include "window/desktop.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kirel::setupApplication(app);
    new kirel::ColourScheme(&app);
    Base window(Base::Build::ShownFirst);
    bench::quitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
