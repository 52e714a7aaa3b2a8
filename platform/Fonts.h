#pragma once
// The windows name the Japanese fonts players know from other desktops;
// Debian has the IPA fonts in their place.

namespace platform {

void InstallFontSubstitutes();

}  // namespace platform
