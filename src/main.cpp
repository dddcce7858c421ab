#include <QApplication>

#include "window/app.h"
#include "window/base.h"
#include "window/commandline.h"
#include "window/desktop.h"

int main(int argc, char* argv[]) {
    if (const auto answered = kirel::answerCommandLine(argc, argv)) return *answered;
    const auto app = kirel::openDisplay(argc, argv);
    kirel::setupApplication(*app);
    new kirel::ColourScheme(app.get()); // the desktop's dark or light choice
    Base window(Base::Build::ShownFirst);
    window.show();
    return app->exec();
}
