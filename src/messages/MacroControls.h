#pragma once
// The current macro file and the controls built from it.
#include <string>

namespace vkr {

struct TTourney;

// The file made current, or "Macros.vkm" in the folder for files.
std::string CurrentMacroFile(const TTourney& t);
// Makes a file current and rebuilds the controls from it.
void SetMacroFile(TTourney& t, const std::string& fileName);
// Rebuilds the macro entries, player-macro entries, toolbar buttons and
// hot-keys from the current macro file, in file order.
void BuildMacroControls(TTourney& t);

}  // namespace vkr
