#pragma once
// Where the program finds its files: language/ and Init/ beside the program, and the settings
// file mysetup.ini in language/ (or in the user's configuration folder when the program's folder
// cannot be written, as in a system-wide installation).
#include <QString>

namespace rp {

QString ProgramDir();                         // the folder of the executable
QString LanguageDir(const QString& programDir);

// The settings file to use. When the program's language/ folder is not writable, the settings
// live in configDir (the user's configuration folder when empty); a copy installed beside the
// program seeds it the first time.
QString SetupIniPath(const QString& programDir, const QString& configDir = QString());

// The batch editor's BatchFun.ini: beside the program, or in configDir (as above) when the
// program's folder cannot be written.
QString BatchFunIniPath(const QString& programDir, const QString& configDir = QString());

}  // namespace rp
