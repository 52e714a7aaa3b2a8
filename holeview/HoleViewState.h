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
    // Windows of earlier holes, kept shown below the screen: mapping a new
    // window costs a round trip through the window manager, moving one does not.
    SpriteList parkedSprites;
};

extern HoleViewState state;

// Closes every obstacle window (trees, then bunkers, then water) and empties the lists.
void CloseSprites();
// A blank obstacle window for the hole being laid out.
std::unique_ptr<Form2> NewSprite(const QString& title);
// Makes sure this many obstacle windows exist, in use or parked.
void ReserveSprites(int count);
// Closes the obstacle windows and destroys the parked ones too.
void DestroySprites();

}  // namespace holeview
