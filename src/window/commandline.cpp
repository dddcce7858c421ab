#include "window/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "window/app.h"

namespace kirel {
namespace {

// Qt's own options, which QApplication takes out of the arguments later: the
// ones followed by a value, then the flags.
constexpr const char* kQtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "display", "name",
    "session", "style", "stylesheet", "qmljsdebugger", "visual"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb",
                                    "testability", "sync"};

void addQtOptions(QCommandLineParser& parser) {
    auto hidden = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), valueName);
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    };
    for (const char* name : kQtValueOptions) hidden(name, QStringLiteral("valeur"));
    for (const char* name : kQtFlags) hidden(name, QString());
}

void print(std::FILE* to, const QString& text) { std::fputs(text.toUtf8().constData(), to); }

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt; // the usual start: nothing to read
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kirel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KIREL_VERSION));
    installQtFrench(core);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromUtf8(
        "Kirel, calculatrice pour l'électronique : loi d'Ohm et puissance, résistance\n"
        "série de LED, régulation zener, résistance de base d'un transistor, code\n"
        "couleur et marquage CMS des résistances.\n"
        "Les options standard de Qt (-platform, -style, -reverse...) sont acceptées."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QString::fromUtf8("Affiche cette aide et quitte."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QString::fromUtf8("Affiche la version et quitte."));
    parser.addOptions({help, version});
    addQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString why = parser.positionalArguments().isEmpty()
                                ? parser.errorText()
                                : QString::fromUtf8("Argument inattendu : %1")
                                      .arg(parser.positionalArguments().constFirst());
        print(stderr, QStringLiteral("kirel: %1\n\n%2").arg(why, parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("kirel %1\n").arg(QStringLiteral(KIREL_VERSION)));
        return 0;
    }
    return std::nullopt;
}

} // namespace kirel
