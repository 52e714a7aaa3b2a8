#pragma once
// Qt's own words, in the file dialog or a text field's menu, in Japanese like
// every other text of the game.

namespace platform {

void InstallJapaneseQtTexts();

}  // namespace platform
