#include "engine/Seating.h"

#include <algorithm>
#include <vector>

#include "base/Text.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
#include "storage/ActionLog.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

bool InUse(const std::vector<bool>& used, int32_t number) {
  return number >= 0 && static_cast<size_t>(number) < used.size() && used[static_cast<size_t>(number)];
}

TSeated Search(const TTourney& t, int bracket, int q, int limit, const std::vector<bool>& used) {
  const TRound& round = t.Model.Round(bracket, q);
  for (int i = 0; i < limit && i < kTablesPerRound; ++i) {
    const TTable& table = round.Tables[static_cast<size_t>(i)];
    if (table.Result != 0 || InUse(used, table.Number)) continue;
    if (!table.SeatTaken(0)) return {i, 0};
    bool byeTable = round.HasByeTable && i == round.TableCount - 1;
    if (!table.SeatTaken(1) && !(bracket == Winners && byeTable)) return {i, 1};
  }
  return {};
}

// The stride's cycle covers only the numbers of one remainder (a third of
// the lobby in triple elimination); when all of those are taken, any free
// number will do, the nearest to the table's own so players find it easily.
// Numbers of the round's other tables are left alone so that no two tables
// of one round share a number.
int32_t NearestFreeNumber(const TTourney& t, int bracket, int q, int index, const std::vector<bool>& used) {
  const TRound& round = t.Model.Round(bracket, q);
  const int32_t lobby = std::max(t.LobbyTableCount, 1);
  std::vector<bool> taken(static_cast<size_t>(lobby) + 1, false);
  for (int i = 0; i < kTablesPerRound; ++i) {
    const TTable& other = round.Tables[static_cast<size_t>(i)];
    const bool held = i < round.TableCount || other.SeatTaken(0) || other.SeatTaken(1);
    if (i != index && held && other.Number >= 1 && other.Number <= lobby) taken[static_cast<size_t>(other.Number)] = true;
  }
  const int32_t own = round.Tables[static_cast<size_t>(index)].Number;
  const int32_t base = ((own - 1) % lobby + lobby) % lobby;  // 0-based, whatever a file held
  for (int32_t d = 1; d <= lobby / 2; ++d) {
    for (int32_t n : {(base + d) % lobby + 1, (base - d + lobby) % lobby + 1}) {
      if (!InUse(used, n) && !taken[static_cast<size_t>(n)]) return n;
    }
  }
  return 0;
}

void LogRenumbering(TTourney& t, int bracket, int q, int32_t from, int32_t to) {
  WriteLogLine(t, Sprintf("    -> Renumbering table - Bracket = %s, Round = %d, Table = %d", kBracketNames[bracket],
                          q + 1, from));
  WriteLogLine(t, Sprintf("       -> Renumbered to %d", to));
}

}  // namespace

// Steps by the format's interleave (1, 2 or 3) from the round's last table.
bool RenumberOneTable(TTourney& t, int bracket, int q, int maxTables, const std::vector<bool>& used) {
  const TRound& round = t.Model.Round(bracket, q);
  for (int i = 0; i < maxTables; ++i) {
    const TTable& table = round.Tables[static_cast<size_t>(i)];
    if (table.SeatTaken(0) || table.SeatTaken(1) || !InUse(used, table.Number)) continue;
    int32_t n = round.Tables[static_cast<size_t>(round.TableCount > 0 ? round.TableCount - 1 : 0)].Number;
    const int32_t lobby = t.LobbyTableCount > 0 ? t.LobbyTableCount : 1;
    bool found = false;
    for (int32_t steps = 0; steps <= lobby && !found; ++steps) {
      n = (t.ElimFormat + n) % lobby + 1;
      found = !InUse(used, n);
    }
    if (!found) {
      n = NearestFreeNumber(t, bracket, q, i, used);
      if (n == 0) return false;  // every number of the lobby is taken
      LogRenumbering(t, bracket, q, table.Number, n);
    }
    t.Model.SetTableNumber(TTableRef::Of(bracket, q, i), n);
    UpdateRound(t, bracket, q);
    return true;
  }
  return false;
}

namespace {

bool StartsClock(const TTourney& t, TPlacement placement, int seat) {
  if (placement == TPlacement::LoserIntoOneLoss) return true;
  if (placement != TPlacement::WinnerIntoWinners && seat == 1) return true;
  return !t.Lobby.PostManually;
}

}  // namespace

TSeated PlaceInRound(TTourney& t, int bracket, int q, int entry, int maxTables, TPlacement placement) {
  if (q >= kRounds || q >= kSlots) return {};
  const std::vector<bool> used = NumbersInUse(t, bracket, q);
  TSeated seated = Search(t, bracket, q, t.Model.Round(bracket, q).TableCount, used);
  if (!seated.Found()) {
    RenumberOneTable(t, bracket, q, maxTables, used);
    seated = Search(t, bracket, q, maxTables, used);
  }
  if (!seated.Found()) return seated;
  TModel& m = t.Model;
  const TTableRef ref = TTableRef::Of(bracket, q, seated.Table);
  m.SetSeat(ref, seated.Seat, static_cast<int16_t>(entry));
  m.SetSlot(entry, q, ref, seated.Seat);
  // Every table of the round was taken: the round grows to hold the entry,
  // and the rounds after it follow.
  if (seated.Table >= m.Round(bracket, q).TableCount) {
    UpdateFullTableCount(t);
    CoverSeatedEntries(m, bracket, q);
  }
  if (m.Table(ref).SeatTaken(1 - seated.Seat) && StartsClock(t, placement, seated.Seat)) {
    m.SetStartTime(ref, t.Ports.Clock->Now());
  }
  return seated;
}

}  // namespace vkr
