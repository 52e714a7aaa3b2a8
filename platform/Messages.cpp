#include "platform/Messages.h"

#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/FixedDialog.h"
#include "platform/QuietWindow.h"

namespace platform {
namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

QuestionHook& AnswerHook() {
    static QuestionHook hook;
    return hook;
}

std::optional<int>& Timeout() {
    static std::optional<int> timeout;
    return timeout;
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

void ShowMessage(const QString& text, const QString& title, Focus focus) {
    LogMessage(text, title);
    if (Hook()) {
        Hook()(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setWindowFlags(kFixedDialogFlags | Qt::WindowStaysOnTopHint);
    if (Timeout()) QTimer::singleShot(*Timeout(), &box, &QMessageBox::accept);
    if (focus == Focus::Take) {
        box.exec();
        return;
    }
    // A modal window is activated as it opens; this one waits, without the
    // keyboard, until the player clicks it.
    box.setWindowModality(Qt::NonModal);
    WaitForPlayer(box);
    QEventLoop answered;
    QObject::connect(&box, &QMessageBox::finished, &answered, &QEventLoop::quit);
    box.show();
    answered.exec();
}

int AskQuestion(const QString& text, const QString& title, const QStringList& answers) {
    LogMessage(text, title);
    if (AnswerHook()) return AnswerHook()(text, title);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers) buttons << box.addButton(answer, QMessageBox::AcceptRole);
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen >= 0 ? chosen : answers.size() - 1);
}

void SetMessageTimeout(std::optional<int> ms) { Timeout() = ms; }

void SetMessageHook(MessageHook hook) { Hook() = std::move(hook); }

void SetQuestionHook(QuestionHook hook) { AnswerHook() = std::move(hook); }

}  // namespace platform
