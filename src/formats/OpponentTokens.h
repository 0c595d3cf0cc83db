#pragma once
// The one-time upgrade of stored formats to the %o token: older formats used
// "%p" twice in one line for the two players of a table.
#include <string>

namespace vkr {

struct TTourney;

// Turns the second "%p" of a line (case-sensitive) into "%o"; a third stays.
// True when the line changed.
bool UpgradeOpponentToken(std::string& line);
// Applies that rule to every key=value line of every section of the format
// store; the file is rewritten only when a line changed, and every other byte
// of it stays as it was. True when the store was rewritten.
bool UpgradeOpponentTokens(TTourney& t);

}  // namespace vkr
