#pragma once
// `vkr check` and `vkr dump`: a tournament file loaded without writing
// anything (no log, no backup); a load error goes to err.
#include <ostream>
#include <string>

namespace vkr::cli {

struct TScriptHost;

// Loads a tournament file into host.T without writing anything; the load's
// messages go to the host's output.
bool LoadReadOnly(TScriptHost& host, const std::string& path);

// 0 when the file loads, else 1.
int CheckTournamentFile(const std::string& path, std::ostream& err);
// Prints DumpJson of the loaded tournament; 0, or 1 when it does not load.
int DumpTournamentFile(const std::string& path, std::ostream& out, std::ostream& err);
// Writes the text ("text"), CSV ("csv") or points ("points") report of a
// tournament file to outPath; 0, 1 when it does not load or nothing was
// written, 2 for an unknown kind.
int ReportTournamentFile(const std::string& kind, const std::string& path, const std::string& outPath,
                         std::ostream& err);

}  // namespace vkr::cli
