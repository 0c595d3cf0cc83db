#include "storage/ReportHeader.h"

#include "engine/Tourney.h"
#include "timing/ClockPort.h"

namespace vkr {

TDateTime TournamentDate(const TTourney& t) {
  const TDateTime firstStart = t.Model.Table(Winners, 0, 0).StartTime;
  // A tournament started by closing may have no running first table; a date
  // of 30 Dec 1899 would then be printed.
  if (t.Started && firstStart != 0) return firstStart;
  return t.Ports.Clock->Now();
}

std::string TournamentDateText(const TTourney& t) { return FormatDateTime("mm/dd/yyyy", TournamentDate(t)); }

void AppendHostLines(std::vector<std::string>& lines, const TTourney& t) {
  lines.push_back("Host:  " + t.Context.HostName + " (" + t.Format.HostPlayerName + ")");
  if (!t.Context.CoHostName.empty()) {
    lines.push_back("Co-host:  " + t.Context.CoHostName + " (" + t.Format.CoHostPlayerName + ")");
  }
}

}  // namespace vkr
