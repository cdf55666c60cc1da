#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

#include "model/AppState.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

namespace {

const char* const kDescription = "Reads, edits, stores and writes the memory of a two-way radio.";

// Options the window system takes for itself (with one dash or two): they are not ours to refuse.
// Those it reads a value after take it here, as the window system does (even one that starts with
// a dash), so the value is not taken for a stray argument; "style" and "stylesheet" may also come
// as "-style=NAME". The others are plain switches.
void AddWindowSystemOptions(QCommandLineParser& options) {
    for (const char* name : {"reverse", "testability", "sync", "nograb", "dograb", "cmap", "widgetcount",
                             "qdevicepixelratio"}) {
        QCommandLineOption o(name);
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(o);
    }
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "session", "display",
                             "name", "visual", "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption o(name, QString(), "value");
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(o);
    }
}

void AddOptions(QCommandLineParser& options, const QCommandLineOption& print) {
    options.setApplicationDescription(kDescription);
    // The window system's options are single words after one dash ("-platform"): so are ours.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's own help option would offer --help-all, the window system's options as well; those are
    // not this program's to explain, and listing them takes a display: -h, --help and -? only.
    options.addOption(QCommandLineOption({"h", "help", "?"}, "Displays help on commandline options."));
    options.addOption(print);
    AddWindowSystemOptions(options);
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Whether the help is asked for, in any of its spellings. Needs no application object.
bool AsksForHelp(int argc, char** argv, const QCommandLineOption& print) {
    QCommandLineParser options;
    AddOptions(options, print);
    options.parse(Arguments(argc, argv));
    return options.isSet("help");
}

// What is wrong with the command line, empty when nothing is. Needs no application object.
// The program takes no file or other argument of its own: one given (a data file to open, say)
// would otherwise be passed over in silence while the program starts with new data.
QString CommandLineError(int argc, char** argv, const QCommandLineOption& print) {
    QCommandLineParser options;
    AddOptions(options, print);
    if (!options.parse(Arguments(argc, argv))) return options.errorText();
    const QStringList loose = options.positionalArguments();
    return loose.isEmpty() ? QString() : QStringLiteral("Unexpected argument '%1'.").arg(loose.front());
}

}  // namespace

int main(int argc, char** argv) {
    const QCommandLineOption print("print", "Offer File > Print, to print the data or save them as a PDF file.");
    if (AsksForHelp(argc, argv, print)) {
        // The help text needs no window system: answer it on a terminal without a display,
        // before the widget application would give up for want of one.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("radioprog");
        QCommandLineParser options;
        AddOptions(options, print);
        options.parse(app.arguments());
        options.showHelp(0);
    }
    // So does a mistyped option, with the status of a usage error.
    if (const QString error = CommandLineError(argc, argv, print); !error.isEmpty()) {
        std::fprintf(stderr, "radioprog: %s\nTry 'radioprog --help' for the options it takes.\n",
                     qPrintable(error));
        return 2;
    }

    QApplication app(argc, argv);
    // Names the user's configuration folder, where the settings go when the program's own
    // folder cannot be written, and where the main window keeps its place.
    QCoreApplication::setApplicationName("radioprog");
    QCommandLineParser options;
    AddOptions(options, print);
    options.process(app);

    rp::AppState state;
    rp::Main(state, rp::SystemStartupEnvironment());
    // Start-up clears the print switch as always; the option turns it on afterwards.
    if (options.isSet(print)) state.PrintMenuFlag = 1;

    rp::frmMain w(state);
    w.show();
    return app.exec();
}
