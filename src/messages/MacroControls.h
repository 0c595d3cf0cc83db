#pragma once
// The current macro file and the controls built from it.
#include <string>

namespace vkr {

struct TTourney;

// The file made current, or "Macros.vkm" in the folder for files.
std::string CurrentMacroFile(const TTourney& t);
// Makes a file current, puts it at the top of the recent files and rebuilds
// the controls from it.
void SetMacroFile(TTourney& t, const std::string& fileName);
// "Save as...": copies the current file to another name (replacing it);
// only when the copy worked does that name become current and recent. The
// controls stay as they are, being built from the same macros.
bool SaveMacroFileAs(TTourney& t, const std::string& fileName);
// Rebuilds the macro entries, player-macro entries, toolbar buttons and
// hot-keys from the current macro file, in file order.
void BuildMacroControls(TTourney& t);

}  // namespace vkr
