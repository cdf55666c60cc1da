#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "model/AppState.h"
#include "shell/Language.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Names the user's configuration folder, where the settings go when the program's own
    // folder cannot be written.
    QCoreApplication::setApplicationName("radioprog");
    rp::AppState state;
    rp::Main(state, rp::SystemStartupEnvironment());

    QMainWindow w;
    w.setObjectName("frmMain");
    w.setWindowTitle(rp::LangStr(state, 8900));
    w.setCentralWidget(new QLabel(rp::LangStr(state, 8900), &w));
    w.resize(900, 600);
    w.show();
    return app.exec();
}
