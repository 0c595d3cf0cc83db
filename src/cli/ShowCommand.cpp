// `show`: a round of each bracket as the host's views show it, one table a
// line, so a script writer sees who sits where without reading JSON.
#include <algorithm>

#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "engine/Structure.h"

namespace vkr::cli {
namespace {

const char* const kBracketNames[kBrackets] = {"Winners", "One-loss", "Two-loss"};
const char kBracketLetters[kBrackets] = {'W', 'O', 'T'};

bool HasEntry(const TTable& table) { return table.SeatTaken(0) || table.SeatTaken(1); }

// The round being played: the first with a seated table still undecided;
// when every seated table is decided, the last round anyone sat in.
int CurrentRound(const TTourney& t, int bracket) {
  int lastSeated = bracket;
  for (int round = bracket; round <= LastTabRound(t, bracket); ++round) {
    const TRound& rd = t.Model.Round(bracket, round);
    for (int i = 0; i < rd.TableCount; ++i) {
      const TTable& table = rd.Tables[static_cast<size_t>(i)];
      if (!HasEntry(table)) continue;
      if (table.Result == 0) return round;
      lastSeated = round;
    }
  }
  return lastSeated;
}

std::string SeatText(const TTourney& t, const TTable& table, int seat) {
  std::string name = table.SeatTaken(seat) ? t.Model.Player(table.Seat[seat]).Name : "-";
  name.resize(std::max<size_t>(name.size(), 15), ' ');
  return Sprintf("%d:%s", seat, name.c_str());
}

std::string State(const TTourney& t, const TTable& table, bool byeTable) {
  if (table.Decided()) {
    const std::string& winner = t.Model.Player(table.Winner()).Name;
    return table.Loser() == kNoEntry ? winner + " won (bye)" : winner + " won";
  }
  if (table.Result == 4) return "both quit";
  if (byeTable && !table.SeatTaken(1)) return "bye table";
  if (!table.SeatTaken(0) || !table.SeatTaken(1)) return "waiting for a player";
  return table.StartTime > 0 ? "playing" : "not started";
}

void ShowRound(TScriptHost& h, int bracket, int round) {
  const TTourney& t = h.T;
  const TRound& rd = t.Model.Round(bracket, round);
  std::string label = RoundLabel(t, round, bracket);
  std::string header = Sprintf("%s round %d", kBracketNames[bracket], round + 1);
  if (label != std::to_string(round + 1)) header += " (" + label + ")";
  PrintLine(h.Out, "show: ", header);
  // Empty tables after the last seated one are not in play yet.
  int shown = rd.TableCount;
  while (shown > 0 && !HasEntry(rd.Tables[static_cast<size_t>(shown - 1)])) --shown;
  if (shown == 0) PrintLine(h.Out, "show: ", "  no one seated yet");
  for (int i = 0; i < shown; ++i) {
    const TTable& table = rd.Tables[static_cast<size_t>(i)];
    const bool byeTable = t.Model.IsByeTable(TTableRef::Of(bracket, round, i));
    PrintLine(h.Out, "show: ",
              Sprintf("  %c %d %d  #%-3d  %s  %s  %s", kBracketLetters[bracket], round + 1, i + 1, table.Number,
                      SeatText(t, table, 0).c_str(), SeatText(t, table, 1).c_str(), State(t, table, byeTable).c_str()));
  }
}

// show: the current round of every bracket in use; show B R: that round.
void Show(TScriptHost& h, const TCommandLine& line) {
  if (line.Count() != 0 && line.Count() != 2) throw TScriptError("'show' takes no arguments, or a bracket and a round");
  if (line.Count() == 0) {
    for (int bracket = 0; bracket <= h.T.ElimFormat; ++bracket) ShowRound(h, bracket, CurrentRound(h.T, bracket));
    return;
  }
  const int bracket = ParseBracket(h.T, line.Arg(1));
  const int round = ParseInt(line.Arg(2), 1, kRounds, "round") - 1;
  if (round < bracket || round > LastTabRound(h.T, bracket)) {
    throw TScriptError(Sprintf("no round %s %d", line.Arg(1).c_str(), round + 1));
  }
  ShowRound(h, bracket, round);
}

}  // namespace

void RegisterShowCommand(TCommandTable& table) { table["show"] = Show; }

}  // namespace vkr::cli
