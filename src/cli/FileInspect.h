#pragma once
// `vkr check` and `vkr dump`: a tournament file loaded without writing
// anything (no log, no backup); a load error goes to err.
#include <ostream>
#include <string>

#include "storage/ReportExport.h"

namespace vkr::cli {

struct TScriptHost;

// Loads a tournament file into host.T without writing anything; the load's
// messages go to the host's output.
bool LoadReadOnly(TScriptHost& host, const std::string& path);

// 0 when the file loads, else 1.
int CheckTournamentFile(const std::string& path, std::ostream& err);
// Prints DumpJson of the loaded tournament; 0, or 1 when it does not load.
int DumpTournamentFile(const std::string& path, std::ostream& out, std::ostream& err);

// The reports by the word that names them, with the ending that makes each
// one's default file name from the tournament file's (no two alike, so that
// one report never overwrites another).
struct TReportChoice {
  const char* Word;
  TReportKind Kind;
  const char* DefaultEnding;
};
// The report named by word ("text", "csv" or "points"); null for another word.
const TReportChoice* FindReport(const std::string& word);

// Writes a report of a tournament file to outPath, or to out when outPath is
// "-" (the same bytes the file would hold); 0, or 1 when it does not load or
// nothing was written.
int ReportTournamentFile(TReportKind kind, const std::string& path, const std::string& outPath, std::ostream& out,
                         std::ostream& err);

}  // namespace vkr::cli
