#include "platform/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/ClipboardKeeper.h"
#include "platform/TextFiles.h"

namespace platform {
namespace {

struct ProgramSeams {
    QString appFolder;
    std::optional<bool> appFolderWritable;
    bool installedLayout = false;
    EndHook endHook;
    std::unique_ptr<QLockFile> instanceLock;
};

ProgramSeams& ProgramSeam() {
    static ProgramSeams seams;
    return seams;
}

const QString kUserCourseFileName = QStringLiteral("USER.TXT");

}  // namespace

QString AppFolder() {
    if (!ProgramSeam().appFolder.isEmpty()) return ProgramSeam().appFolder;
    return QCoreApplication::applicationDirPath();
}

void SetAppFolder(const QString& folder) { ProgramSeam().appFolder = folder; }

QString PerUserFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/quorvane");
}

QString PerUserDataFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.local/share");
    return folder + QStringLiteral("/quorvane");
}

bool SettingsBesideProgram() {
    const ProgramSeams& s = ProgramSeam();
    if (s.installedLayout) return false;
    if (s.appFolderWritable) return *s.appFolderWritable;
    const QFileInfo folder(AppFolder());
    return folder.isDir() && folder.isWritable();
}

QString SettingsFileToRead(const QString& fileName) {
    const QString beside = AppFolder() + QLatin1Char('/') + fileName;
    if (SettingsBesideProgram()) return beside;
    const QString perUser = PerUserFolder() + QLatin1Char('/') + fileName;
    return EntryExists(perUser) || ProgramSeam().installedLayout ? perUser : beside;
}

QString SettingsFileToWrite(const QString& fileName) {
    if (SettingsBesideProgram()) return AppFolder() + QLatin1Char('/') + fileName;
    QDir().mkpath(PerUserFolder());
    return PerUserFolder() + QLatin1Char('/') + fileName;
}

void SetProgramFolderWritable(std::optional<bool> writable) {
    ProgramSeam().appFolderWritable = writable;
}

void SetInstalledLayout(bool installed) { ProgramSeam().installedLayout = installed; }

// The file the editor saves is the one played, even where an older one lies
// in the other place.
QString UserCourseFilePath() {
    const QString beside = AppFolder() + QLatin1Char('/') + kUserCourseFileName;
    const QString perUser = PerUserFolder() + QLatin1Char('/') + kUserCourseFileName;
    const QString saved = SettingsBesideProgram() ? beside : perUser;
    const QString other = SettingsBesideProgram() ? perUser : beside;
    if (EntryExists(saved)) return saved;
    if (EntryExists(other)) return other;
    return saved;
}

QString UserCourseFileToWrite() { return SettingsFileToWrite(kUserCourseFileName); }

bool AnotherInstanceRunning() {
    ProgramSeams& s = ProgramSeam();
    if (s.instanceLock) return false;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    // One game per desktop: the display is part of the lock's name.
    QString display = qEnvironmentVariable("DISPLAY");
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    auto lock =
        std::make_unique<QLockFile>(folder + QStringLiteral("/quorvane%1.lock").arg(display));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return lock->error() == QLockFile::LockFailedError;
    s.instanceLock = std::move(lock);
    return false;
}

void EndProgram(int exitCode) {
    if (ProgramSeam().endHook) ProgramSeam().endHook(exitCode);
    HandOverClipboard();
    if (ProgramSeam().instanceLock) ProgramSeam().instanceLock->unlock();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void SetEndHook(EndHook hook) { ProgramSeam().endHook = std::move(hook); }

}  // namespace platform
