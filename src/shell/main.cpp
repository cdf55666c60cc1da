#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include "model/AppState.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Names the user's configuration folder, where the settings go when the program's own
    // folder cannot be written, and where the main window keeps its place.
    QCoreApplication::setApplicationName("radioprog");
    QCommandLineParser options;
    options.setApplicationDescription("Reads, edits, stores and writes the memory of a two-way radio.");
    options.addHelpOption();
    const QCommandLineOption print("print", "Offer File > Print, to print the data or save them as a PDF file.");
    options.addOption(print);
    options.process(app);

    rp::AppState state;
    rp::Main(state, rp::SystemStartupEnvironment());
    // Start-up clears the print switch as always; the option turns it on afterwards.
    if (options.isSet(print)) state.PrintMenuFlag = 1;

    rp::frmMain w(state);
    w.show();
    return app.exec();
}
