#pragma once
// The obstacle windows of the hole on the screen, each list in cell order.

#include <memory>
#include <vector>

#include "holeview/Form2.h"

namespace holeview {

using SpriteList = std::vector<std::unique_ptr<Form2>>;

struct HoleViewState {
    SpriteList treeSprites;
    SpriteList bunkerSprites;
    SpriteList waterSprites;
};

extern HoleViewState state;

// Closes every obstacle window (trees, then bunkers, then water) and empties the lists.
void CloseSprites();

}  // namespace holeview
