#pragma once
// Runs a script of host commands, one per line.
#include <istream>
#include <ostream>

namespace vkr::cli {

// Gives the exit code: 0, or 2 after "script error: LINE: reason" on err.
int RunScript(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace vkr::cli
