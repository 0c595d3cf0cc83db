#pragma once
// Hot-keys of macros in the text form of shortcut names ("Ctrl+F5",
// "Shift+Alt+K"): modifiers joined by "+" and one key name.
#include <string>
#include <string_view>

namespace vkr {

// The shortcut in its canonical form (modifiers as Shift+Ctrl+Alt+, key names
// in their usual spelling), or empty when the text names no valid shortcut.
// Case and the order of the modifiers do not matter.
std::string NormalizeHotKey(std::string_view text);

}  // namespace vkr
