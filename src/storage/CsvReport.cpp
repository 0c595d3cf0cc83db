#include "storage/CsvReport.h"

#include <cmath>

#include "base/Text.h"
#include "base/Version.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/ReportHeader.h"
#include "storage/ReportReads.h"

namespace vkr {
namespace {

const char* const kBracketTitles[kBrackets] = {"Winners Bracket", "One-Loss Bracket", "Two-Loss Bracket"};

// In double quotes, quotes inside doubled.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

// A name field: as it stands, unless a separator, quote or line break in it
// would shift the columns.
std::string NameField(const std::string& text) {
  return text.find_first_of(",\"\r\n") == std::string::npos ? text : Quoted(text);
}

std::string Clock24(TDateTime value) { return FormatDateTime("hh:nn:ss", value); }

std::string TableRow(const TTourney& t, int bracket, int round, const TTable& table) {
  const TModel& m = t.Model;
  const int32_t points = t.Context.MatchPoints[static_cast<size_t>(PointsRow(t, round, bracket))];
  std::string row =
      Sprintf("%s,%d,%d,%s,%s,", RoundLabel(t, round, bracket).c_str(), table.Number, points,
              NameField(EntryName(m, table.Winner())).c_str(), NameField(EntryName(m, table.Loser())).c_str());
  if (table.StartTime == 0) return row + ",,";
  row += Clock24(table.StartTime) + ",";
  if (table.FinishTime == 0) return row + ",";
  return row + Sprintf("%lld,", DurationMinutes(table.StartTime, table.FinishTime)) + Clock24(table.FinishTime);
}

}  // namespace

long long DurationMinutes(TDateTime start, TDateTime finish) {
  // Counted from whole milliseconds, so that exactly two and a half minutes
  // is not pushed either way by the rounding error of the date-times.
  const double ms = (finish - start) * kSecondsPerDay * 1000.0;
  if (!std::isfinite(ms) || std::fabs(ms) > 1e15) return 0;
  long long minutes = std::llround(ms);
  long long rest = minutes % 60000;
  minutes /= 60000;
  if (rest < 0) {
    rest += 60000;
    --minutes;
  }
  if (rest > 30000 || (rest == 30000 && minutes % 2 != 0)) ++minutes;
  return minutes;
}

void BuildCsvReport(const TTourney& t, std::vector<std::string>& lines) {
  lines.push_back("VKR Version," + ProgramVersionText());
  lines.push_back("Tournament," + Quoted(CurrentFormatName(t)));
  lines.push_back("Date," + TournamentDateText(t));
  lines.push_back("Time," + Quoted(t.Context.StartTimeText));
  lines.push_back("Host," + Quoted(t.Context.HostName) + "," + NameField(t.Format.HostPlayerName));
  if (!t.Context.CoHostName.empty()) {
    lines.push_back("Co-host," + Quoted(t.Context.CoHostName) + "," + NameField(t.Format.CoHostPlayerName));
  }
  lines.push_back(Sprintf("Number of Players,%d", t.Model.PlayerCount()));
  for (int b = 0; b <= t.ElimFormat && b < kBrackets; ++b) {
    lines.insert(lines.end(), {"", kBracketTitles[b], "Round,Table,Points,Winner,Loser,Started,Duration,Finished"});
    for (int r = 0; r < kRounds; ++r) {
      const int count = TablesInPlay(t.Model, b, r);
      for (int i = 0; i < count; ++i) {
        const TTable& table = CheckedTable(t.Model, b, r, i);
        if (HasWinner(table)) lines.push_back(TableRow(t, b, r, table));
      }
    }
  }
}

}  // namespace vkr
