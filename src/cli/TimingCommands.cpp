// Script commands of the match clock: the one-second tick, the table menu's
// timer entries, the time labels, the overdue list and the status clocks.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "timing/TimeWarning.h"
#include "timing/TimerTick.h"

namespace vkr::cli {
namespace {

TTableRef TableOf(const TTourney& t, const TCommandLine& line) {
  ExpectCount(line, 3, 3);
  const TWinButton b = ParseTableArgs(t, line, 1, false);
  return TTableRef::Of(b.Bracket, b.Round, b.TableIndex);
}

void ResetTimer(TScriptHost& h, const TCommandLine& line) {
  const TTableRef ref = TableOf(h.T, line);
  if (!TableTimerMenuState(h.T, ref).ResetTimerEnabled) throw TScriptError("the table's match is not running");
  ResetTimerItemClick(h.T, ref);
}

void CopyTime(TScriptHost& h, const TCommandLine& line) {
  const TTableRef ref = TableOf(h.T, line);
  const TTableTimerMenu menu = TableTimerMenuState(h.T, ref);
  if (!menu.ResetTimerEnabled) throw TScriptError("the table's match is not running");
  if (!menu.CopyTimeRemainingEnabled) throw TScriptError("the table's round has no time limit");
  CopyTimeRemainingItemClick(h.T, ref);
}

// The time labels of the rows the view of bracket B shows, as the last tick left them.
void Times(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 1, 1);
  const std::string& b = line.Arg(1);
  const int bracket = ParseBracket(h.T, b);
  const auto& labels = h.T.Timing.RowLabels[static_cast<size_t>(bracket)];
  for (size_t row = 0; row < labels.size(); ++row) {
    const TTimeLabel& label = labels[row];
    if (label.Text.empty()) continue;
    PrintLine(h.Out, Sprintf("time %s row %zu: ", b.c_str(), row + 1),
              label.Text + (label.Ink == TLabelInk::Finished ? " finished" : "") + (label.Flash ? " yellow" : ""));
  }
}

void Overdue(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  if (h.T.Timing.Overdue.empty()) PrintLine(h.Out, "overdue: ", "none");
  for (const TOverdueRecord& r : h.T.Timing.Overdue) {
    PrintLine(h.Out, "overdue: ",
              Sprintf("table %d, round %s, time %d:%.2d", r.TableNumber, r.RoundLabel.c_str(), r.MinutesPlayed / 60,
                      r.MinutesPlayed % 60));
  }
}

void StatusClocks(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  std::string bar;
  for (const std::string& panel : h.T.Timing.StatusClocks) bar += (bar.empty() ? "[" : " [") + panel + "]";
  PrintLine(h.Out, "status bar: ", bar);
}

}  // namespace

bool SetTimingOption(TScriptHost& h, const std::string& name, bool on) {
  TTimingState& s = h.T.Timing;
  if (name == "remind-15") s.RemindAt15 = on;
  else if (name == "remind-10") s.RemindAt10 = on;
  else if (name == "remind-5") s.RemindAt5 = on;
  else if (name == "time-remaining") s.DisplayMatchTimeRemaining = on;
  else return false;
  return true;
}

void RegisterTimingCommands(TCommandTable& table) {
  table["tick"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 0, 0);
    h.TimerTick();
  };
  table["resettimer"] = ResetTimer;
  table["copytime"] = CopyTime;
  table["times"] = Times;
  table["overdue"] = Overdue;
  table["clocks"] = StatusClocks;
}

}  // namespace vkr::cli
