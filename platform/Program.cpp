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

namespace platform {
namespace {

struct ProgramSeams {
    QString appFolder;
    EndHook endHook;
    std::unique_ptr<QLockFile> instanceLock;
};

ProgramSeams& Seams() {
    static ProgramSeams seams;
    return seams;
}

const QString kUserCourseFileName = QStringLiteral("USER.TXT");

}  // namespace

QString AppFolder() {
    if (!Seams().appFolder.isEmpty()) return Seams().appFolder;
    return QCoreApplication::applicationDirPath();
}

void SetAppFolder(const QString& folder) { Seams().appFolder = folder; }

QString PerUserFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/quorvane");
}

QString SettingsFolder() {
    const QFileInfo beside(AppFolder());
    if (beside.isDir() && beside.isWritable()) return AppFolder();
    QDir().mkpath(PerUserFolder());
    return PerUserFolder();
}

QString UserCourseFilePath() {
    const QString beside = AppFolder() + QLatin1Char('/') + kUserCourseFileName;
    if (FileExists(beside)) return beside;
    const QString perUser = PerUserFolder() + QLatin1Char('/') + kUserCourseFileName;
    if (FileExists(perUser)) return perUser;
    return beside;
}

bool AnotherInstanceRunning() {
    ProgramSeams& s = Seams();
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

bool FileExists(const QString& path) { return QFileInfo(path).isFile(); }

void EndProgram(int exitCode) {
    if (Seams().endHook) Seams().endHook(exitCode);
    if (Seams().instanceLock) Seams().instanceLock->unlock();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void SetEndHook(EndHook hook) { Seams().endHook = std::move(hook); }

}  // namespace platform
