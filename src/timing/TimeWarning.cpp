#include "timing/TimeWarning.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/Cp1252.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "lobby/ClipboardPort.h"
#include "messages/Templates.h"
#include "timing/ClockPort.h"
#include "timing/MatchClock.h"
#include "storage/TournamentFile.h"
#include "timing/TimerTick.h"

namespace vkr {
namespace {

int32_t LimitOf(const TTourney& t, TTableRef ref) {
  return t.Context.TimeLimits[static_cast<size_t>(PointsRow(t, ref.Round, ref.Bracket))];
}

}  // namespace

void CopyTimeWarning(TTourney& t, const TTable& table, int row, int32_t minutesLeft) {
  MessageContext c;
  const TModel& m = t.Model;
  if (table.SeatTaken(0)) c.PlayerName = m.Player(table.Seat[0]).Name;
  if (table.SeatTaken(1)) c.OpponentName = m.Player(table.Seat[1]).Name;
  c.Row = row;
  c.TableNumber = table.Number;
  c.MinutesLeft = minutesLeft;
  c.TimeLimits = t.Context.TimeLimits;
  const std::string text = ExpandTokens(t, t.Messages[MsgTimeWarning], c);
  t.Ports.Clipboard->SetText(text, Cp1252ToUtf16(text));
}

TTableTimerMenu TableTimerMenuState(const TTourney& t, TTableRef ref) {
  TTableTimerMenu menu;
  menu.ResetTimerEnabled = MatchRunning(t.Model.Table(ref));
  menu.CopyTimeRemainingEnabled = menu.ResetTimerEnabled && LimitOf(t, ref) > 0;
  return menu;
}

void ResetTimerItemClick(TTourney& t, TTableRef ref) {
  t.Model.SetStartTime(ref, t.Ports.Clock->Now());
  SaveTournament(t);
  TimerTimer(t);
}

void CopyTimeRemainingItemClick(TTourney& t, TTableRef ref) {
  const int32_t limit = LimitOf(t, ref);
  if (limit <= 0) return;
  const TTable& table = t.Model.Table(ref);
  const double minutesPlayed = (t.Ports.Clock->Now() - table.StartTime) * 1440.0;
  double left = std::trunc(limit - minutesPlayed);
  // A start time from a damaged file may lie anywhere.
  left = std::isfinite(left) ? std::clamp(left, double{INT32_MIN}, double{INT32_MAX}) : 0;
  const int32_t minutesLeft = static_cast<int32_t>(left);
  CopyTimeWarning(t, table, PointsRow(t, ref.Round, ref.Bracket), minutesLeft);
}

}  // namespace vkr
