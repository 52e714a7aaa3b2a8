#pragma once
// Puts the game's program-wide state back to its start values and gives tests
// a fixed screen, a temporary program folder and captured messages.

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

// One per test case: fresh state, standard screen, no sleeping, a temporary
// program folder, messages collected instead of shown.
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

    QStringList messages;  // "title|text" of every message box shown
private:
    QTemporaryDir dir_;
};

// Program-wide state back to what a fresh process has.
void ResetAllState();

}  // namespace testing
