#include "platform/Messages.h"

#include <QFile>
#include <QMessageBox>

namespace platform {
namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

// QUORVANE_MESSAGE_LOG names a file that receives every message shown, so the
// end-to-end tests can read what the player was told.
void LogMessage(const QString& text, const QString& title) {
    const QString path = qEnvironmentVariable("QUORVANE_MESSAGE_LOG");
    if (path.isEmpty()) return;
    QFile log(path);
    if (!log.open(QIODevice::Append)) return;
    log.write((title + QLatin1Char('|') + text + QLatin1String("\n--\n")).toUtf8());
}

}  // namespace

void ShowMessage(const QString& text, const QString& title) {
    LogMessage(text, title);
    if (Hook()) {
        Hook()(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

void SetMessageHook(MessageHook hook) { Hook() = std::move(hook); }

}  // namespace platform
