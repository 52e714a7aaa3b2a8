#include "holeview/HoleViewState.h"

#include "holeview/FieldManagement.h"
#include "platform/Screen.h"

namespace holeview {

HoleViewState state;

namespace {

const QString kSpareTitle = QStringLiteral("Quorvane spare");

// An unmanaged window waits shown below every screen, where moving it back
// costs nothing; a managed one is hidden, since window managers may pull a
// window that lies off the screens back onto them.
void Park(Form2& sprite) {
    sprite.Cls();
    sprite.setWindowTitle(kSpareTitle);
    if (sprite.Unmanaged()) {
        sprite.Move(0, platform::DesktopBottomTwips() + 10000.0);
    } else {
        sprite.hide();
    }
}

void Park(SpriteList& list) {
    for (auto& sprite : list) {
        Park(*sprite);
        state.parkedSprites.push_back(std::move(sprite));
    }
    list.clear();
}

}  // namespace

void CloseSprites() {
    Park(state.treeSprites);
    Park(state.bunkerSprites);
    Park(state.waterSprites);
}

std::unique_ptr<Form2> NewSprite(const QString& title) {
    if (state.parkedSprites.empty()) return std::make_unique<Form2>(title);
    std::unique_ptr<Form2> sprite = std::move(state.parkedSprites.back());
    state.parkedSprites.pop_back();
    sprite->setWindowTitle(title);
    return sprite;
}

void ReserveSprites(int count) {
    if (FieldManagement() == platform::WindowManagement::Managed) return;
    const std::size_t existing = state.treeSprites.size() + state.bunkerSprites.size() +
                                 state.waterSprites.size() + state.parkedSprites.size();
    for (std::size_t i = existing; i < static_cast<std::size_t>(count); ++i) {
        auto sprite = std::make_unique<Form2>(kSpareTitle);
        sprite->Move(0, 0, 15, 15);
        Park(*sprite);
        sprite->ShowWindow();
        state.parkedSprites.push_back(std::move(sprite));
    }
}

void DestroySprites() {
    CloseSprites();
    state.parkedSprites.clear();
}

}  // namespace holeview
