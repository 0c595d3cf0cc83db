#pragma once
// Applying a format of the Format menu to the running tournament.
#include <string>

namespace vkr {

struct TTourney;

// Applies Format-menu entry `entry` (0 is the built-in "Default").
void ApplyFormat(TTourney& t, int entry);
// Applies the entry whose caption equals name (case ignored), or "Default".
void SelectFormatByName(TTourney& t, const std::string& name);
// The click on a format entry of the Format menu.
void FormatClick(TTourney& t, int entry);

}  // namespace vkr
