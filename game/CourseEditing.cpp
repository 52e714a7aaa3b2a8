#include "game/CourseEditing.h"

#include <QFileInfo>
#include <optional>

#include "game/Game.h"
#include "game/RoundState.h"
#include "game/StartUp.h"
#include "platform/EventPump.h"
#include "platform/Program.h"

namespace game {
namespace {

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
    editor::CourseEditor editor(files, {GroundLine(), settings.screenWidth,
                                        BallColorOf(TurnPhase::Ready, settings.ballColor)});
    enum class Request { Try, Close };
    std::optional<Request> request;
    QObject::connect(&editor, &editor::CourseEditor::tryRequested, [&] { request = Request::Try; });
    QObject::connect(&editor, &editor::CourseEditor::closeRequested,
                     [&] { request = Request::Close; });
    editor.Open();
    for (;;) {
        platform::WaitForEvents();
        const std::optional<Request> asked = std::exchange(request, std::nullopt);
        if (asked == Request::Try) TryHole(editor, settings);
        if (asked == Request::Close && editor.MayClose()) return editor.SavedOnce();
    }
}

editor::CourseFiles CourseFilesFor(const QString& named) {
    if (named.isEmpty()) return {platform::UserCourseFilePath(), QString()};
    const QString path = QFileInfo(named).absoluteFilePath();
    return {path, path};
}

}  // namespace game
