#include <QApplication>

#include "window/app.h"
#include "window/base.h"
#include "window/commandline.h"

int main(int argc, char* argv[]) {
    if (const auto answered = kirel::answerCommandLine(argc, argv)) return *answered;
    const auto app = kirel::openDisplay(argc, argv);
    kirel::setupApplication(*app);
    Base window(Base::Build::ShownFirst);
    window.show();
    return app->exec();
}
