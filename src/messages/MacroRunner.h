#pragma once
// Running macros: each line posted to the lobby chat with its tokens
// expanded, delay lines waited through with window messages processed.
#include <string>

namespace vkr {

struct TTourney;

// Runs a general macro of the current macro file; Stop1Click ends it after
// the line or delay in progress.
void MacroClick(TTourney& t, const std::string& name);
// Runs a player macro for an entry: %p, %o, %t, %r and %b name the entry, its
// opponent and its current table.
void PlayerMacroClick(TTourney& t, int entry, const std::string& name);
void Stop1Click(TTourney& t);

}  // namespace vkr
