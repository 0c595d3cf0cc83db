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

int32_t CountOf(const TTourney& t, TTableRef table, int seat) {
  return t.Model.Player(SeatEntry(t, table, seat)).BootCount;
}

// A count entry of the menu: its log lines (none without an item name), then the new count.
bool SetCountFromMenu(TTourney& t, TTableRef table, int seat, const char* item, int32_t count) {
  const int entry = SeatEntry(t, table, seat);
  if (item != nullptr) LogMenuForPlayer(t, item, entry);
  t.Model.SetBootCount(entry, count);
  Changed(t);
  return true;
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
  return BootMenuPopup(t, table, seat).ClearBootCount && SetCountFromMenu(t, table, seat, "Clear boot count", 0);
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
  const bool enabled = BootMenuPopup(t, table, seat).IncrementBootCount;
  return enabled && SetCountFromMenu(t, table, seat, nullptr, CountOf(t, table, seat) + 1);
}

bool DecrementBootCountItemClick(TTourney& t, TTableRef table, int seat) {
  const bool enabled = BootMenuPopup(t, table, seat).DecrementBootCount;
  return enabled && SetCountFromMenu(t, table, seat, "Decrement boot count", CountOf(t, table, seat) - 1);
}

}  // namespace vkr
