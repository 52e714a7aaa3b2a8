#include "game/CourseEditing.h"

#include <QFileInfo>
#include <optional>

#include "game/Game.h"
#include "game/RoundState.h"
#include "game/StartUp.h"
#include "platform/EventPump.h"
#include "platform/Program.h"
#include "platform/Screen.h"

namespace game {
namespace {

editor::FieldSetup FieldSetupFor(const settings::Settings& settings) {
    return {GroundLine(), settings.screenWidth, BallColorOf(TurnPhase::Ready, settings.ballColor)};
}

// The editor's windows go while the hole is played, so the field on the
// screen is the game's alone.
void TryHole(editor::CourseEditor& editor, const settings::Settings& settings) {
    const QString row = editor.CurrentRow();
    const courses::TreeCycle trees = editor.CurrentTrees();
    editor.SetShown(false);
    {
        Game game(settings, row);
        game.TryHole(trees);
    }
    editor.SetShown(true);
}

}  // namespace

// What the editor asks for is only recorded where it asks; it is carried out
// here, between two waits for events, with no handler of the editor's running.
bool EditCourse(const settings::Settings& settings, const editor::CourseFiles& files) {
    // The width follows the screen as in play, for the editor and the holes tried.
    settings::Settings current = settings;
    editor::CourseEditor editor(files, FieldSetupFor(current));
    enum class Request { Try, Close };
    std::optional<Request> request;
    bool screenChanged = false;
    platform::WatchScreen(&editor, [&] { screenChanged = true; });
    QObject::connect(&editor, &editor::CourseEditor::tryRequested, [&] { request = Request::Try; });
    QObject::connect(&editor, &editor::CourseEditor::closeRequested,
                     [&] { request = Request::Close; });
    editor.Open();
    for (;;) {
        // Checked before waiting: the screen may have changed while a hole was tried.
        if (std::exchange(screenChanged, false)) {
            if (!current.fixedWidth) current.screenWidth = platform::ScreenWidthTwips();
            editor.FollowScreen(FieldSetupFor(current));
        }
        platform::WaitForEvents();
        const std::optional<Request> asked = std::exchange(request, std::nullopt);
        if (asked == Request::Try) TryHole(editor, current);
        if (asked == Request::Close && editor.MayClose()) return editor.SavedOnce();
    }
}

editor::CourseFiles CourseFilesFor(const QString& named) {
    if (named.isEmpty()) return {platform::UserCourseFilePath(), QString()};
    const QString path = QFileInfo(named).absoluteFilePath();
    return {path, path};
}

}  // namespace game
