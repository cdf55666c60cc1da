#include <QApplication>
#include <QSettings>

#include "model/AppState.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Names the user's configuration folder, where the settings go when the program's own
    // folder cannot be written, and where the main window keeps its place.
    QCoreApplication::setApplicationName("radioprog");
    rp::AppState state;
    rp::Main(state, rp::SystemStartupEnvironment());

    rp::frmMain w(state);
    w.show();
    return app.exec();
}
