#pragma once
// The program's start: decimal separator, language, model defaults, settings and the
// initialisers of every part, in that order.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "model/AppState.h"

namespace rp {

// What start-up takes from the system; tests make their own.
struct StartupEnvironment {
    QString ProgramDir;                 // language/ and Init/ are beside it
    QString LocaleName;                 // the system locale, such as "zh_CN" or "en_US"
    QString SetupIniPath;               // empty: language/mysetup.ini or the user's copy
    QString BatchFunIniPath;            // empty: BatchFun.ini beside the program or the user's copy
    std::vector<std::string> Ports;     // the system's serial ports, by device path
    std::function<bool(const std::string&)> DeviceExists;  // a typed-in device path is there
};

// The running system's values. Needs the QApplication.
StartupEnvironment SystemStartupEnvironment();

// Numbers are written and read with "." whatever the user's locale: the C library's numeric
// locale and Qt's default locale become "C" for this process only. Returns the user's own
// separator. Call after the QApplication exists (it sets the C library's locale itself).
char UseDotDecimalSeparator();

// Everything start-up does before the main window shows.
void Main(AppState& state, const StartupEnvironment& env);

// Language dialog and start-up: switches the texts and the messages' title.
void ApplyLanguage(AppState& state, int languageIndex);

void InitCurEditCell(AppState& state);

}  // namespace rp
