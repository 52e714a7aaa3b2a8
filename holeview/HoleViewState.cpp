#include "holeview/HoleViewState.h"

namespace holeview {

HoleViewState state;

void CloseSprites() {
    state.treeSprites.clear();
    state.bunkerSprites.clear();
    state.waterSprites.clear();
}

}  // namespace holeview
