#pragma once
// The single exit of every posted line: logged, put on the clipboard, and
// pasted and sent into the lobby chat when its chat box is known.
#include <string>

namespace vkr {

struct TTourney;

void PostToLobby(TTourney& t, const std::string& text, bool autoPost);

}  // namespace vkr
