#include "kit/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace rp {

QString ProgramDir() { return QCoreApplication::applicationDirPath(); }

QString LanguageDir(const QString& programDir) { return QDir(programDir).filePath("language"); }

// The file in folder when it can be written there, else the user's own copy in configDir,
// seeded from the one in folder.
static QString WritableSettingsFile(const QString& folder, const QString& name, const QString& configDir) {
    const QString beside = QDir(folder).filePath(name);
    const QFileInfo dirInfo(folder);
    const QFileInfo fileInfo(beside);
    // A settings file that is there but read-only counts as not writable too: the user's copy
    // then takes the changes.
    if (dirInfo.isDir() && dirInfo.isWritable() && (!fileInfo.exists() || fileInfo.isWritable()))
        return beside;
    const QString dir = configDir.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                            : configDir;
    QDir().mkpath(dir);
    const QString own = QDir(dir).filePath(name);
    if (!QFileInfo::exists(own) && fileInfo.exists() && QFile::copy(beside, own))
        QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    return own;
}

QString SetupIniPath(const QString& programDir, const QString& configDir) {
    return WritableSettingsFile(LanguageDir(programDir), "mysetup.ini", configDir);
}

QString BatchFunIniPath(const QString& programDir, const QString& configDir) {
    return WritableSettingsFile(programDir, "BatchFun.ini", configDir);
}

}  // namespace rp
