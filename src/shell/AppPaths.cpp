#include "shell/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace rp {

QString ProgramDir() { return QCoreApplication::applicationDirPath(); }

QString LanguageDir(const QString& programDir) { return QDir(programDir).filePath("language"); }

QString InitDir(const QString& programDir) { return QDir(programDir).filePath("Init"); }

QString SetupIniPath(const QString& programDir, const QString& configDir) {
    const QString langDir = LanguageDir(programDir);
    const QString beside = QDir(langDir).filePath("mysetup.ini");
    const QFileInfo dirInfo(langDir);
    const QFileInfo fileInfo(beside);
    // A settings file that is there but read-only counts as not writable too: the user's copy
    // then takes the changes.
    if (dirInfo.isDir() && dirInfo.isWritable() && (!fileInfo.exists() || fileInfo.isWritable()))
        return beside;
    const QString dir = configDir.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                            : configDir;
    QDir().mkpath(dir);
    const QString own = QDir(dir).filePath("mysetup.ini");
    if (!QFileInfo::exists(own) && fileInfo.exists() && QFile::copy(beside, own))
        QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    return own;
}

}  // namespace rp
