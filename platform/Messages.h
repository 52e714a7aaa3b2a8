#pragma once
// Message boxes with a text, a title and an OK button.

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

namespace platform {

// Shows the message modally above every topmost window of the game and
// returns when it is dismissed. Without the focus it does not take the
// keyboard from the program the player is at.
enum class Focus { Take, Leave };
void ShowMessage(const QString& text, const QString& title, Focus focus = Focus::Take);

// A question with one button per answer, the first the default; returns the
// index of the answer chosen. Escape or closing the box chooses the last.
int AskQuestion(const QString& text, const QString& title, const QStringList& answers);

// Messages close by themselves after this long, as if OK had been pressed
// (a game that plays itself); nothing: they wait for the player.
void SetMessageTimeout(std::optional<int> ms);

// Test seam: messages go to the hook instead of a window while it is set.
using MessageHook = std::function<void(const QString& text, const QString& title)>;
void SetMessageHook(MessageHook hook);
// Test seam: questions go to the hook, which gives the answer's index.
using QuestionHook = std::function<int(const QString& text, const QString& title)>;
void SetQuestionHook(QuestionHook hook);

}  // namespace platform
