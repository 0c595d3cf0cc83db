#include "timing/Boots.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/BootTick.h"
#include "timing/ClockPort.h"

namespace vkr {

TPlaceOfEntry CurrentPlaceOf(const TTourney& t, int entry) {
  TPlaceOfEntry place;
  const TPlayer& p = t.Model.Player(entry);
  const int k = p.CurrentSlot();
  place.Table = p.Tables[static_cast<size_t>(k)];
  if (!place.Table.IsSet()) return place;
  place.Seat = p.Seats[static_cast<size_t>(k)] == 1 ? 1 : 0;
  place.Opponent = t.Model.Table(place.Table).Seat[static_cast<size_t>(1 - place.Seat)];
  return place;
}

bool BootButtonClick(TTourney& t, TTableRef table, int seat) {
  WriteLogLine(t, "Click: Boot button");
  TModel& m = t.Model;
  const int16_t entry = m.Table(table).Seat[static_cast<size_t>(seat)];
  if (entry == kNoEntry) return false;
  const TPlaceOfEntry place = CurrentPlaceOf(t, entry);
  MessageContext& c = t.Context;
  c.PlayerName = m.Player(entry).Name;
  c.OpponentName = place.Opponent == kNoEntry ? std::string() : m.Player(place.Opponent).Name;
  c.Row = PointsRow(t, place.Table.Round, place.Table.Bracket);
  c.TableNumber = m.Table(place.Table).Number;
  TMessageKey message = MsgBootReturned;
  if (m.Player(entry).BootStart == 0) {
    WriteLogLine(t, "    -> \"" + m.Player(entry).Name + "\" has booted");
    if (!BootTimed(t, entry)) t.BootedPlayers.push_back(entry);
    m.SetBootStart(entry, t.Ports.Clock->Now());
    BootTick(t);
    c.BootSecondsLeft = BootSecondsLeft(t, entry);
    message = MsgBoot;
  } else {
    BootReturned(t, entry);
  }
  SaveTournament(t);
  Announce(t, t.Messages[message], true);
  return true;
}

void BootReturned(TTourney& t, int entry) {
  TModel& m = t.Model;
  if (std::fabs(m.Player(entry).BootStart - t.Ports.Clock->Now()) > 0.0001) {
    m.SetBootCount(entry, m.Player(entry).BootCount + 1);
  }
  WriteLogLine(t, "    -> Boot returned: " + m.Player(entry).Name);
  auto& booted = t.BootedPlayers;
  booted.erase(std::remove(booted.begin(), booted.end(), entry), booted.end());
  m.SetBootStart(entry, 0);
  t.Ports.Screen->ControlsChanged();
}

int32_t BootSecondsLeft(const TTourney& t, int entry) {
  const TPlayer& p = t.Model.Player(entry);
  int64_t left = int64_t{t.Format.BootTime} * 60;
  if (p.BootStart != 0) left -= SecondsBetween(t.Ports.Clock->Now(), p.BootStart);
  return static_cast<int32_t>(
      std::clamp<int64_t>(left, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool BootTimed(const TTourney& t, int entry) {
  return std::find(t.BootedPlayers.begin(), t.BootedPlayers.end(), entry) != t.BootedPlayers.end();
}

}  // namespace vkr
