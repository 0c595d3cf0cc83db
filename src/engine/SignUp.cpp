#include "engine/SignUp.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/Confirm.h"
#include "engine/Find.h"
#include "engine/ScreenPort.h"
#include "engine/Status.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "engine/Views.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "storage/FileSystemPort.h"
#include "storage/TournamentFile.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

constexpr size_t kMaxTypedName = 20;  // 21 or more typed characters are ignored

struct TSeatChoice {
  int Table = -1;
  int Seat = 0;
};

bool Usable(const TTourney& t, int index) {
  int32_t number = t.Model.Table(Winners, 0, index).Number;
  return std::find(t.VoidTables.begin(), t.VoidTables.end(), number) == t.VoidTables.end();
}

bool LacksMember(const TTourney& t, int16_t entry) {
  if (entry == kNoEntry) return false;
  const TPlayer& p = t.Model.Player(entry);
  return p.Member1.empty() || p.Member2.empty();
}

bool SeatEmpty(const TTourney& t, int index, int seat) { return !t.Model.Table(Winners, 0, index).SeatTaken(seat); }

bool SeatJoinable(const TTourney& t, int index, int seat) {
  return t.TeamMode && LacksMember(t, t.Model.Table(Winners, 0, index).Seat[static_cast<size_t>(seat)]);
}

void SwitchOffOnePerTable(TTourney& t) {
  t.OnePlayerPerTable = false;
  t.Ports.Screen->ControlsChanged();
}

TSeatChoice ChooseGiven(const TTourney& t, int index, int seat) {
  const TTable& table = t.Model.Table(Winners, 0, index);
  auto complete = [&](int s) {
    int16_t e = table.Seat[static_cast<size_t>(s)];
    return e != kNoEntry && (!t.TeamMode || !LacksMember(t, e));
  };
  if (complete(0) && complete(1)) return {};
  int preferred = seat == 1 ? 1 : 0;
  if (SeatEmpty(t, index, preferred) || SeatJoinable(t, index, preferred)) return {index, preferred};
  return {index, 1 - preferred};
}

TSeatChoice ChooseForPlayer(TTourney& t) {
  if (t.OnePlayerPerTable) {
    for (int i = 0; i < kTablesPerRound; ++i) {
      if (Usable(t, i) && SeatEmpty(t, i, 0) && SeatEmpty(t, i, 1)) return {i, 0};
    }
    SwitchOffOnePerTable(t);
  }
  for (int i = 0; i < kTablesPerRound; ++i) {
    if (!Usable(t, i)) continue;
    if (SeatEmpty(t, i, 0)) return {i, 0};
    if (SeatEmpty(t, i, 1)) return {i, 1};
  }
  return {};
}

TSeatChoice ChooseForTeam(TTourney& t, bool partner) {
  if (t.OnePlayerPerTable) {
    for (int i = 0; i < kTablesPerRound; ++i) {
      if (!Usable(t, i)) continue;
      if (!partner && SeatJoinable(t, i, 0)) return {i, 0};
      if (!partner && SeatJoinable(t, i, 1)) return {i, 1};
      if (SeatEmpty(t, i, 0) && SeatEmpty(t, i, 1)) return {i, 0};
    }
    SwitchOffOnePerTable(t);
  }
  for (int i = 0; i < kTablesPerRound; ++i) {
    if (!Usable(t, i)) continue;
    if (!partner && SeatJoinable(t, i, 0)) return {i, 0};
    if (!partner && SeatJoinable(t, i, 1)) return {i, 1};
    if (SeatEmpty(t, i, 0)) return {i, 0};
    if (SeatEmpty(t, i, 1)) return {i, 1};
  }
  return {};
}

bool IsDuplicate(const TTourney& t, const std::string& first, const std::string& second) {
  bool found = false;
  for (const TPlayer& p : t.Model.Players()) {
    if (t.TeamMode) {
      found |= SameText(p.Member1, first) || SameText(p.Member2, first) ||
               (!second.empty() && (SameText(p.Member1, second) || SameText(p.Member2, second)));
    } else {
      found |= SameText(p.Name, first);
    }
  }
  return found;
}

// Removes an entry from the list; the booted list holds entry indexes too,
// so the erased entry leaves it and the entries after it move down by one.
void EraseEntry(TTourney& t, int entry) {
  t.Model.ErasePlayer(entry);
  auto& booted = t.BootedPlayers;
  booted.erase(std::remove(booted.begin(), booted.end(), entry), booted.end());
  for (int16_t& e : booted) {
    if (e > entry) --e;
  }
}

void RedrawShownRounds(TTourney& t) {
  for (int b = 0; b < kBrackets; ++b) UpdateRound(t, b, t.View.ShownRound[static_cast<size_t>(b)]);
}

}  // namespace

std::string CleanPlayerName(const std::string& text) {
  std::string out;
  for (char c : text) {
    bool keep = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    if (keep && out.size() < 15) out += c;
  }
  return out;
}

int AddPlayer(TTourney& t, const std::string& text, int tableIndex, bool noAnnounce, bool hasPartner, int seat) {
  std::string typedFirst = text, second;
  bool partner = hasPartner;
  if (t.TeamMode) {
    size_t slash = text.find('/');
    if (slash != std::string::npos) {
      typedFirst = text.substr(0, slash);
      second = CleanPlayerName(text.substr(slash + 1));
      if (!second.empty()) partner = true;
    }
  }
  std::string first = CleanPlayerName(typedFirst);
  if (typedFirst.size() > kMaxTypedName || first.empty()) return -1;
  if (t.Model.PlayerCount() >= kMaxEntries) {
    t.Ports.Screen->Warning("There is no more space in the bracket for more players.");
    return -1;
  }
  if (IsDuplicate(t, first, second)) {
    SetFindText(t, first);
    return -1;
  }
  if (!t.View.FindHighlight.empty()) SetFindText(t, "");
  if (t.BannedPlayers.Contains(first) || (!second.empty() && t.BannedPlayers.Contains(second))) {
    t.Ports.Screen->Warning("That player is on the banned list, they will not be added to the tournament.");
    return -1;
  }
  ClearUndoRedo(t);

  TSeatChoice choice;
  if (tableIndex >= 0 && tableIndex < kTablesPerRound) choice = ChooseGiven(t, tableIndex, seat);
  if (choice.Table < 0) choice = t.TeamMode ? ChooseForTeam(t, partner) : ChooseForPlayer(t);
  if (choice.Table < 0) {
    // Every table of the first round is full or void.
    t.Ports.Screen->Warning("There is no more space in the bracket for more players.");
    return -1;
  }

  TModel& m = t.Model;
  const TTableRef ref = TTableRef::Of(Winners, 0, choice.Table);
  int16_t held = m.Table(ref).Seat[static_cast<size_t>(choice.Seat)];
  int entry;
  if (t.TeamMode && LacksMember(t, held)) {
    entry = held;
    if (m.Player(entry).Member1.empty()) m.SetMember1(entry, first);
    else m.SetMember2(entry, first);
    m.SetName(entry, m.Player(entry).Member1 + "/" + m.Player(entry).Member2);
  } else {
    TPlayer p;
    if (t.TeamMode) {
      p.Member1 = first;
      p.Member2 = second;
      p.Name = first + "/" + second;
    } else {
      p.Name = first;
    }
    entry = m.AppendPlayer(std::move(p));
    m.SetSeat(ref, choice.Seat, static_cast<int16_t>(entry));
    m.SetSlot(entry, 0, ref, choice.Seat);
  }
  WriteLogLine(t, Sprintf("    -> Player \"%s\" added to table %d", m.Player(entry).Name.c_str(), m.Table(ref).Number));
  t.Ports.Screen->ShowTable(Winners, 0, choice.Table);
  UpdateWinnersRound(t, 0);
  if (t.Started && m.Table(ref).SeatTaken(0) && m.Table(ref).SeatTaken(1)) m.SetStartTime(ref, t.Ports.Clock->Now());
  if (!noAnnounce) PostPlayerStatus(t, entry, true);
  t.View.NewPlayerField.clear();
  SaveTournament(t);
  return entry;
}

void AddButtonClick(TTourney& t, const std::string& text) {
  WriteLogLine(t, "Click: AddPlayer(" + text + ")");
  AddPlayer(t, text, -1, false, false, -1);
  t.View.NewPlayerField.clear();
}

bool Get2ndRoundByeStatus(TTourney& t, TByeCounts* counts) {
  WriteLogLine(t, "    -> Get2ndRoundByeStatus");
  const TModel& m = t.Model;
  TByeCounts c;
  const TRound& first = m.Round(Winners, 0);
  c.PlayersInRound = first.TableCount;
  for (int i = 0; i < first.TableCount && i < kTablesPerRound; ++i) {
    if (first.Tables[static_cast<size_t>(i)].Result == 4) --c.PlayersInRound;
  }
  c.TotalSeats = 1;
  while (c.TotalSeats < c.PlayersInRound) c.TotalSeats *= 2;
  c.TablesEmpty = c.TotalSeats / 2;
  c.ByesToGo = c.TotalSeats - c.PlayersInRound;
  for (int i = 0; i < c.TotalSeats / 2 && i < kTablesPerRound; ++i) {
    const TTable& table = m.Table(Winners, 1, i);
    if (table.Result != 0) {
      --c.TablesEmpty;
      int losing = table.Decided() ? (table.Result & 1) : 1;
      if (!table.SeatTaken(losing)) --c.ByesToGo;
    } else if (table.SeatTaken(0) && table.SeatTaken(1)) {
      --c.TablesEmpty;
    }
  }
  c.ByesToGo = std::max(c.ByesToGo, 0);
  WriteLogLine(t, "        -> nPlayersInRound = " + std::to_string(c.PlayersInRound));
  WriteLogLine(t, "        -> nTotalSeats = " + std::to_string(c.TotalSeats));
  WriteLogLine(t, "        -> nTablesEmpty = " + std::to_string(c.TablesEmpty));
  WriteLogLine(t, "        -> nByesToGo = " + std::to_string(c.ByesToGo));
  if (counts != nullptr) *counts = c;
  return c.ByesToGo > 0;
}

void AnnounceClosed(TTourney& t) { Announce(t, t.Messages[MsgClosed], false); }

void CloseSignups(TTourney& t) {
  TModel& m = t.Model;
  if (m.PlayerCount() < kMinEntriesToClose) {
    t.Ports.Screen->Information("You need at least 8 players/teams in your tourney before you can close it");
    return;
  }
  WriteLogLine(t, "Click: Close");
  if (t.SignupsClosed) {
    AnnounceClosed(t);
    return;
  }
  if (!AskFiltered(t, CfCloseSignups,
                   "Are you sure that you want to close signups?\r\n\r\nThis action cannot be reversed.")) {
    return;
  }
  if (!t.View.FindHighlight.empty()) SetFindText(t, "");
  const TDateTime now = t.Ports.Clock->Now();
  if (!t.Started) {
    t.Started = true;
    t.StartedAt = now;
    for (int i = 0; i < kTablesPerRound; ++i) {
      const TTable& table = m.Table(Winners, 0, i);
      if (table.SeatTaken(0) && table.SeatTaken(1)) m.SetStartTime(TTableRef::Of(Winners, 0, i), now);
    }
  }
  t.ClosedAt = now;
  ClearUndoRedo(t);
  t.SignupsClosed = true;
  t.View.AssignByesItemEnabled = false;
  t.View.SignupControlsEnabled = false;
  t.Ports.Screen->ControlsChanged();

  int highest = -1;
  for (int i = 0; i < kTablesPerRound; ++i) {
    const TTable& table = m.Table(Winners, 0, i);
    if (table.SeatTaken(0) || table.SeatTaken(1)) highest = i;
  }
  int count = 0;
  if (highest >= 0) count = m.Table(Winners, 0, highest).SeatTaken(1) ? 2 * (highest + 1) : 2 * highest + 1;
  m.SetTableCount(Winners, 0, (count + 1) / 2);
  m.SetHasByeTable(Winners, 0, count % 2 != 0);
  m.SetTableCount(OneLoss, 0, 0);
  m.SetHasByeTable(OneLoss, 0, false);
  UpdateFullTableCount(t);
  AnnounceClosed(t);
  SaveTournament(t);

  for (const TPlayer& p : m.Players()) {
    if (t.TeamMode) {
      if (!p.Member1.empty()) t.RecentPlayers.Add(p.Member1);
      if (!p.Member2.empty()) t.RecentPlayers.Add(p.Member2);
    } else {
      t.RecentPlayers.Add(p.Name);
    }
  }
  t.Ports.Files->WriteFileAtomic(t.FilesFolder + "RecentPlayers.txt", t.RecentPlayers.ToText(), false);
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
    return;
  }
  if (bracket != Winners || round != 0) return;
  int added = AddPlayer(t, first + "/" + second, tableIndex, true, true, seat);
  if (added < 0) return;
  if (!teamName.empty()) m.SetName(added, teamName);
  PostPlayerStatus(t, added, true);
}

}  // namespace vkr
