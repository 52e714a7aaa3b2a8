#include "holeview/HoleViewState.h"

namespace holeview {

HoleViewState state;

namespace {

const QString kSpareTitle = QStringLiteral("Quorvane spare");

void Park(Form2& sprite) {
    sprite.Cls();
    sprite.setWindowTitle(kSpareTitle);
    sprite.SetConcealed(true);
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
    sprite->SetConcealed(false);
    return sprite;
}

void ReserveSprites(int count) {
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
