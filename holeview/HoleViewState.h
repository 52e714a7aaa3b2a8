#pragma once
// The obstacle windows of the hole on the screen, each list in cell order.

#include <QString>
#include <memory>
#include <vector>

#include "holeview/Form2.h"

namespace holeview {

using SpriteList = std::vector<std::unique_ptr<Form2>>;

struct HoleViewState {
    SpriteList treeSprites;
    SpriteList bunkerSprites;
    SpriteList waterSprites;
    // Blank windows waiting for a later hole: making and showing a window costs
    // far more than moving one that exists.
    SpriteList parkedSprites;
};

extern HoleViewState state;

// Takes every obstacle window off the screen (trees, then bunkers, then water),
// concealed and blank, to wait for a later hole, and empties the lists.
void CloseSprites();
// A blank obstacle window for the hole being laid out.
std::unique_ptr<Form2> NewSprite(const QString& title);
// Makes sure this many obstacle windows exist, in use or parked, so later
// holes need no new ones.
void ReserveSprites(int count);
// Closes the obstacle windows and destroys the parked ones too.
void DestroySprites();

}  // namespace holeview
