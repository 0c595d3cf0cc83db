#pragma once
// The checks of the macro editor's OK button.
#include <string>

#include "messages/MacroSet.h"

namespace vkr {

enum class TMacroField { None, Name, HotKey, Caption };

// The message to show as information and the field to focus; no message
// means the edit may be stored.
struct TMacroEditCheck {
  std::string Message;
  TMacroField Field = TMacroField::None;
};

// Checks an editor result against the other macros of the set (`editing` is
// the index of the macro being edited, -1 for a new one). On success the edit
// holds what is stored: the trimmed name, the trimmed caption (the name when
// empty), the canonical hot-key; a player macro has neither toolbar entry nor
// hot-key, and each line is one chat line.
TMacroEditCheck ValidateMacroEdit(const TMacroSet& set, int editing, TMacroEdit& edit);

// The lines as the lobby's chat shows them: each after the host's name and
// "> ", one per line.
std::string LobbySample(const std::string& hostName, const std::vector<std::string>& lines);

}  // namespace vkr
