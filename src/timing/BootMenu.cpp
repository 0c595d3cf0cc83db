#include "timing/BootMenu.h"

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/Boots.h"

namespace vkr {
namespace {

int16_t SeatEntry(const TTourney& t, TTableRef table, int seat) {
  return t.Model.Table(table).Seat[static_cast<size_t>(seat)];
}

// The change is on the buttons and in the file at once.
void Changed(TTourney& t) {
  SaveTournament(t);
  t.Ports.Screen->ControlsChanged();
}

void LogMenuForPlayer(TTourney& t, const char* item, int entry) {
  WriteLogLine(t, std::string("Menu: ") + item);
  WriteLogLine(t, "    -> Player = " + t.Model.Player(entry).Name);
}

}  // namespace

TBootMenuState BootMenuPopup(const TTourney& t, TTableRef table, int seat) {
  TBootMenuState s;
  const int16_t entry = SeatEntry(t, table, seat);
  if (entry == kNoEntry) return s;
  const TPlayer& p = t.Model.Player(entry);
  s.ClearBootCount = p.BootCount >= 1;
  s.SilentCancelBootTiming = p.BootStart > 0;
  s.CancelBootedState = p.BootedTooLong;
  s.IncrementBootCount = true;
  s.DecrementBootCount = p.BootCount >= 1;
  return s;
}

bool ClearBootCountItemClick(TTourney& t, TTableRef table, int seat) {
  if (!BootMenuPopup(t, table, seat).ClearBootCount) return false;
  const int entry = SeatEntry(t, table, seat);
  LogMenuForPlayer(t, "Clear boot count", entry);
  t.Model.SetBootCount(entry, 0);
  Changed(t);
  return true;
}

bool SilentCancelBootTimingItemClick(TTourney& t, TTableRef table, int seat) {
  if (!BootMenuPopup(t, table, seat).SilentCancelBootTiming) return false;
  WriteLogLine(t, "Menu: Cancel boot silently");
  BootReturned(t, SeatEntry(t, table, seat));
  Changed(t);
  return true;
}

bool CancelBootedStateItemClick(TTourney& t, TTableRef table, int seat) {
  if (!BootMenuPopup(t, table, seat).CancelBootedState) return false;
  const int entry = SeatEntry(t, table, seat);
  LogMenuForPlayer(t, "Cancel booted state", entry);
  t.Model.SetBootedTooLong(entry, false);
  Changed(t);
  UpdateRound(t, table.Bracket, t.View.ShownRound[static_cast<size_t>(table.Bracket)]);
  return true;
}

bool IncrementBootCountItemClick(TTourney& t, TTableRef table, int seat) {
  if (!BootMenuPopup(t, table, seat).IncrementBootCount) return false;
  const int entry = SeatEntry(t, table, seat);
  t.Model.SetBootCount(entry, t.Model.Player(entry).BootCount + 1);
  Changed(t);
  return true;
}

bool DecrementBootCountItemClick(TTourney& t, TTableRef table, int seat) {
  if (!BootMenuPopup(t, table, seat).DecrementBootCount) return false;
  const int entry = SeatEntry(t, table, seat);
  LogMenuForPlayer(t, "Decrement boot count", entry);
  t.Model.SetBootCount(entry, t.Model.Player(entry).BootCount - 1);
  Changed(t);
  return true;
}

}  // namespace vkr
