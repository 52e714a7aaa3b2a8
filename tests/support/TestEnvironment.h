#pragma once
// One per test case: a fixed screen, no sleeping, no scripted random numbers
// or fixed clock left over, a private program folder and per-user folders,
// messages collected instead of shown, and an end of the program that throws.

#include <QStringList>
#include <QTemporaryDir>
#include <stdexcept>

#include "platform/Screen.h"

namespace testing {

// 1280 x 800 pixels at 15 twips per pixel, work area ending 40 pixels above the bottom.
platform::ScreenMetrics StandardScreen();

// Thrown by the end hook instead of ending the test program.
struct ProgramEnded : std::runtime_error {
    explicit ProgramEnded(int code) : std::runtime_error("program ended"), exitCode(code) {}
    int exitCode;
};

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString folder() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // Puts something under the name that the game must neither read nor
    // replace: "fifo", "folder", "socket", "zero" (a link to a device that
    // reads zeros without end) or "big" (a file one byte over the largest the game reads).
    void placeOddEntry(const QString& name, const QString& kind) const;

    QStringList messages;  // "title|text" of every message box shown
private:
    QTemporaryDir dir_;
    QTemporaryDir home_;
};

}  // namespace testing
