#pragma once
// Text the game put on the clipboard outlives the game: as the program ends,
// a small process of ours takes the clipboard over.

namespace platform {

// When the clipboard still holds the game's text, starts the keeper with it
// and returns once the keeper holds the clipboard (3 s at most); at once
// otherwise.
void HandOverClipboard();

// The keeper is this program started with a hidden option.
bool IsClipboardKeeper(int argc, char** argv);
// The keeper: lets go of what it inherited, reads the text from standard
// input (4 MB at most, said on standard error when it cut the text), takes
// the clipboard, writes one byte to standard output once it holds it, then
// hands the text to a clipboard manager when one runs, or else serves it.
// It ends at once whenever it finds the clipboard is not its own.
int KeepClipboard(int argc, char** argv);

}  // namespace platform
