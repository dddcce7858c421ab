#include "window/commandline.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "window/app.h"

namespace kirel {
namespace {

// Qt's own options, which QApplication takes out of the arguments later: the
// ones followed by a value, then the flags.
constexpr const char* kQtValueOptions[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "geometry",
                                           "qwindowtitle",    "title",
                                           "qwindowicon",     "icon",
                                           "display",         "name",
                                           "session",         "style",
                                           "stylesheet",      "qmljsdebugger",
                                           "visual"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "testability", "sync"};

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

// An answer on standard output: 0 once it is written, 1 when it cannot be.
int answer(const QString& text) {
    print(stdout, text);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    print(stderr, QString::fromUtf8("kirel: impossible d'écrire sur la sortie standard\n"));
    return 1;
}

// What Qt says while it opens the display, held until the display is open.
QtMessageHandler gPrevious = nullptr;
std::vector<std::tuple<QtMsgType, QByteArray, QString>> gHeld;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) { // no display: Qt's advice (reinstall) would only mislead
        print(stderr, QString::fromUtf8("kirel: impossible d'ouvrir un affichage pour la "
                                        "fenêtre (aucun écran disponible)\n"));
        std::_Exit(1);
    }
    gHeld.emplace_back(type, QByteArray(context.category), message);
}

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

    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString why = !parsed ? parser.errorText() // the unknown option first
                                    : QString::fromUtf8("Argument inattendu : %1")
                                          .arg(parser.positionalArguments().constFirst());
        print(stderr, QStringLiteral("kirel: %1\n\n%2").arg(why, parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) return answer(parser.helpText());
    if (parser.isSet(version))
        return answer(QStringLiteral("kirel %1\n").arg(QStringLiteral(KIREL_VERSION)));
    return std::nullopt;
}

std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]) {
    gPrevious = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(gPrevious);
    for (const auto& [type, category, message] : gHeld)
        gPrevious(type, QMessageLogContext(nullptr, 0, nullptr, category.constData()), message);
    gHeld.clear();
    return app;
}

} // namespace kirel
