#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>

#include <cstring>

#include "model/AppState.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

namespace {

const char* const kDescription = "Reads, edits, stores and writes the memory of a two-way radio.";

bool AsksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* h : {"-h", "--help", "-?", "--help-all"})
            if (std::strcmp(argv[i], h) == 0) return true;
    return false;
}

void AddOptions(QCommandLineParser& options, const QCommandLineOption& print) {
    options.setApplicationDescription(kDescription);
    options.addHelpOption();
    options.addOption(print);
}

}  // namespace

int main(int argc, char** argv) {
    const QCommandLineOption print("print", "Offer File > Print, to print the data or save them as a PDF file.");
    if (AsksForHelp(argc, argv)) {
        // The help text needs no window system: answer it on a terminal without a display,
        // before the widget application would give up for want of one.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("radioprog");
        QCommandLineParser options;
        AddOptions(options, print);
        // Options of the window system (-platform, -style, ...) are not known here; they must
        // not turn a request for help into an error.
        options.parse(app.arguments());
        options.showHelp(0);
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
