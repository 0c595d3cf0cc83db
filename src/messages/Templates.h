#pragma once
// Message templates and their % tokens.
#include <array>
#include <string>

#include "messages/MessageContext.h"

namespace vkr {

struct TTourney;

// The built-in format: the twenty messages ("Time warning" last) and seven settings, as key=value lines.
extern const std::array<const char*, 27> DefaultFormatText;
// The value of the first DefaultFormatText line whose key equals key (case ignored); empty when none.
std::string DefaultFormatValue(const std::string& key);
// The caption of the checked Format-menu entry; empty when none is checked.
std::string CurrentFormatName(const TTourney& t);

// One template line in, one text line out.
std::string ExpandTokens(const TTourney& t, const std::string& templ, const MessageContext& context);
// Splits at "%c", expands each line with t.Context and hands it to PostToLobby.
void Announce(TTourney& t, const std::string& templ, bool autoPost);

}  // namespace vkr
