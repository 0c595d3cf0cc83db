#include "engine/SignUp.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/Find.h"
#include "engine/ScreenPort.h"
#include "engine/Status.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "engine/Views.h"
#include "storage/ActionLog.h"
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

}  // namespace vkr
