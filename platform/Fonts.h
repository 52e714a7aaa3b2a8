#pragma once
// The game's windows name the Windows Japanese fonts; Linux has the IPA fonts
// in their place.

namespace platform {

void InstallFontSubstitutes();

}  // namespace platform
