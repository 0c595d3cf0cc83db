#include "timing/BootTick.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/Confirm.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/Boots.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

// "m:ss".
std::string MinutesSeconds(int64_t seconds) {
  if (seconds < 0) seconds = 0;
  return Sprintf("%lld:%.2lld", static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
}

// Entries whose boot an undo took back, or that are gone, are timed no more.
void DropStaleBoots(TTourney& t) {
  const TModel& m = t.Model;
  std::erase_if(t.BootedPlayers,
                [&m](int16_t e) { return e < 0 || e >= m.PlayerCount() || m.Player(e).BootStart == 0; });
}

void TimeOut(TTourney& t, int entry) {
  TModel& m = t.Model;
  const std::string name = m.Player(entry).Name;
  WriteLogLine(t, "Event: Player \"" + name + "\" boot has timed out");
  m.SetBootStart(entry, 0);
  m.SetBootedTooLong(entry, true);
  m.SetBootCount(entry, m.Player(entry).BootCount + 1);
  std::erase(t.BootedPlayers, static_cast<int16_t>(entry));
  SaveTournament(t);
  t.Ports.Screen->ControlsChanged();

  const TPlaceOfEntry place = CurrentPlaceOf(t, entry);
  const std::string opponent = place.Opponent == kNoEntry ? std::string() : m.Player(place.Opponent).Name;
  const int32_t table = place.Table.IsSet() ? m.Table(place.Table).Number : 0;
  // The text goes to the opponent, who is to post the win.
  MessageContext& c = t.Context;
  c.PlayerName = opponent;
  c.OpponentName = name;
  c.TableNumber = table;
  if (t.Lobby.FLobbyEditWnd != 0) {
    if (!AskFiltered(t, CfBootTimedOut,
                     Sprintf("%s (playing %s) has timed out at table %d. Post message in lobby?", name.c_str(),
                             opponent.c_str(), table))) {
      return;
    }
    Announce(t, t.Messages[MsgBootTimedOut], true);
    return;
  }
  Announce(t, t.Messages[MsgBootTimedOut], true);
  t.Ports.Screen->Information(Sprintf("%s has timed out at table %d, you may inform the opp %s", name.c_str(), table,
                                      opponent.c_str()));
}

int64_t BootSeconds(const TPlayer& p, TDateTime now) { return SecondsBetween(now, p.BootStart); }

}  // namespace

void BootTick(TTourney& t) {
  DropStaleBoots(t);
  const TDateTime now = t.Ports.Clock->Now();
  const int64_t limit = int64_t{t.Format.BootTime} * 60;
  for (int16_t entry : t.BootedPlayers) {
    if (limit < BootSeconds(t.Model.Player(entry), now)) {
      // One time-out per second: the others wait for the next tick.
      TimeOut(t, entry);
      return;
    }
  }
  auto& lines = t.Timing.ActiveBoots;
  if (lines.empty() && t.BootedPlayers.empty()) return;
  lines.resize(t.BootedPlayers.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const int entry = t.BootedPlayers[i];
    const TPlayer& p = t.Model.Player(entry);
    const TPlaceOfEntry place = CurrentPlaceOf(t, entry);
    lines[i].Name = p.Name;
    lines[i].Time = MinutesSeconds(BootSeconds(p, now));
    lines[i].TableNumber = place.Table.IsSet() ? t.Model.Table(place.Table).Number : 0;
  }
}

TBootButtonFace BootButtonFace(const TTourney& t, int entry, TDateTime now) {
  const TPlayer& p = t.Model.Player(entry);
  if (BootTimed(t, entry)) return TBootButtonFace{false, MinutesSeconds(BootSeconds(p, now))};
  return TBootButtonFace{true, p.BootCount > 0 ? std::to_string(p.BootCount) : std::string()};
}

}  // namespace vkr
