#include "engine/Seating.h"

#include <vector>

#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
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

}  // namespace

// Steps by the format's interleave (1, 2 or 3) from the round's last table.
bool RenumberOneTable(TTourney& t, int bracket, int q, int maxTables, const std::vector<bool>& used) {
  const TRound& round = t.Model.Round(bracket, q);
  for (int i = 0; i < maxTables; ++i) {
    const TTable& table = round.Tables[static_cast<size_t>(i)];
    if (table.SeatTaken(0) || table.SeatTaken(1) || !InUse(used, table.Number)) continue;
    int32_t n = round.Tables[static_cast<size_t>(round.TableCount > 0 ? round.TableCount - 1 : 0)].Number;
    const int32_t lobby = t.LobbyTableCount > 0 ? t.LobbyTableCount : 1;
    for (int32_t steps = 0; steps <= lobby; ++steps) {
      n = (t.ElimFormat + n) % lobby + 1;
      if (!InUse(used, n)) {
        t.Model.SetTableNumber(TTableRef::Of(bracket, q, i), n);
        UpdateRound(t, bracket, q);
        return true;
      }
    }
    return false;  // every number of the lobby is taken
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
  if (m.Table(ref).SeatTaken(1 - seated.Seat) && StartsClock(t, placement, seated.Seat)) {
    m.SetStartTime(ref, t.Ports.Clock->Now());
  }
  return seated;
}

}  // namespace vkr
