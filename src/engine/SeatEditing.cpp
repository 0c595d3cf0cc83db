// Editing names at a seat: renaming, erasing during sign-ups, team properties.
#include "engine/SignUp.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Status.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "engine/Views.h"
#include "lobby/RapidAssign.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"

namespace vkr {
namespace {

void RedrawShownRounds(TTourney& t) {
  for (int b = 0; b < kBrackets; ++b) UpdateRound(t, b, t.View.ShownRound[static_cast<size_t>(b)]);
}

}  // namespace

// The booted list holds entry indexes too, so the erased entry leaves it and
// the entries after it move down by one.
void EraseEntry(TTourney& t, int entry) {
  // Adding the name to the friends list again then signs it up again.
  RemoveFriend(t, t.Model.Player(entry).Name);
  t.Model.ErasePlayer(entry);
  auto& booted = t.BootedPlayers;
  booted.erase(std::remove(booted.begin(), booted.end(), entry), booted.end());
  for (int16_t& e : booted) {
    if (e > entry) --e;
  }
}

void SeatNameEnter(TTourney& t, int bracket, int round, int tableIndex, int seat, const std::string& typed) {
  WriteLogLine(t, "Key: Enter on player's name");
  TModel& m = t.Model;
  const TTableRef ref = TTableRef::Of(bracket, round, tableIndex);
  const std::string text = CleanPlayerName(typed);
  const int16_t entry = m.Table(ref).Seat[static_cast<size_t>(seat)];
  const bool inSignups =
      entry != kNoEntry && bracket == Winners && round == 0 && !t.SignupsClosed && !m.Player(entry).Tables[1].IsSet();
  if (text.empty()) {
    WriteLogLine(t, "    -> New name is blank...");
    if (entry == kNoEntry) {
      WriteLogLine(t, "    -> no player in spot");
    } else if (inSignups) {
      WriteLogLine(t, "    -> erasing \"" + m.Player(entry).Name + "\" from sign-ups");
      ClearUndoRedo(t);
      m.SetSeat(ref, seat, kNoEntry);
      m.SetStartTime(ref, 0);
      EraseEntry(t, entry);
      RedrawShownRounds(t);
      SaveTournament(t);
      return;
    } else {
      WriteLogLine(t, "    -> cannot delete as not in sign-ups");
      t.Ports.Screen->Information(
          "A player's name cannot be erased after closing.\r\n\r\nTo remove the player, right-mouse click on the "
          "player and select \"Remove Player\".");
    }
    SaveTournament(t);
    return;
  }
  WriteLogLine(t, "    -> Edit name = " + text);
  if (entry == kNoEntry) {
    WriteLogLine(t, "    -> No player at spot");
    if (bracket == Winners && round == 0 && !t.SignupsClosed) {
      // Typing a name into an empty seat of the first round signs it up there.
      WriteLogLine(t, "    -> signing up new player to bracket");
      AddPlayer(t, text, tableIndex, false, false, seat);
    }
    SaveTournament(t);
    return;
  }
  WriteLogLine(t, "    -> Existing player = " + m.Player(entry).Name);
  bool duplicate = false;
  for (int i = 0; i < m.PlayerCount(); ++i) {
    if (i != entry && SameText(m.Player(i).Name, text)) duplicate = true;
  }
  if (duplicate) {
    WriteLogLine(t, "    -> Duplicate exists");
  } else if (text != m.Player(entry).Name) {
    m.SetName(entry, text);
    UpdateRound(t, bracket, round);
    if (inSignups) PostPlayerStatus(t, entry, true);
  }
  SaveTournament(t);
}

std::string SeatNameEscape(TTourney& t, int bracket, int round, int tableIndex, int seat) {
  WriteLogLine(t, "Key: Escape in player edit");
  int16_t entry = t.Model.Table(bracket, round, tableIndex).Seat[static_cast<size_t>(seat)];
  return entry == kNoEntry ? std::string() : t.Model.Player(entry).Name;
}

void TeamPropertiesOk(TTourney& t, int bracket, int round, int tableIndex, int seat, const std::string& teamName,
                      const std::string& first, const std::string& second) {
  TModel& m = t.Model;
  int16_t entry = m.Table(bracket, round, tableIndex).Seat[static_cast<size_t>(seat)];
  if (entry != kNoEntry) {
    m.SetName(entry, teamName);
    m.SetMember1(entry, first);
    m.SetMember2(entry, second);
    RedrawShownRounds(t);
    SaveTournament(t);  // the new names must survive a crash like every other change
    return;
  }
  if (bracket != Winners || round != 0) return;
  int added = AddPlayer(t, first + "/" + second, tableIndex, true, true, seat);
  if (added < 0) return;
  if (!teamName.empty()) m.SetName(added, teamName);
  PostPlayerStatus(t, added, true);
}

}  // namespace vkr
