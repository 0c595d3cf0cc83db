#include "engine/Compaction.h"

#include "base/Text.h"
#include "engine/Confirm.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"
#include "timing/ClockPort.h"

namespace vkr {

int SlotHolding(const TTourney& t, int entry, TTableRef table) {
  const TPlayer& p = t.Model.Player(entry);
  for (int k = 0; k < kSlots; ++k) {
    if (p.Tables[static_cast<size_t>(k)] == table) return k;
  }
  return -1;
}

bool RelocatePlayer(TTourney& t, int k, int startIndex, int entry, TTableRef from) {
  TModel& m = t.Model;
  const int slot = SlotHolding(t, entry, from);
  const int seatNow = slot < 0 ? 0 : m.Player(entry).Seats[static_cast<size_t>(slot)];
  WriteLogLine(t, Sprintf("    -> Relocating player - Name = %s, Round = %d, Table = %d, Seat = %d",
                          m.Player(entry).Name.c_str(), k + 1, m.Table(from).Number, seatNow));
  if (slot < 0) return false;
  for (int i = startIndex; i >= 0; --i) {
    const TTableRef ref = TTableRef::Of(from.Bracket, from.Round, i);
    const TTable& table = m.Table(ref);
    // A decided table is over: an entry seated there could never play.
    if (table.Result != 0) continue;
    int seat = !table.SeatTaken(0) ? 0 : !table.SeatTaken(1) ? 1 : -1;
    if (seat < 0) continue;
    m.SetSeat(from, seatNow, kNoEntry);
    // The table it leaves holds one entry at most now: no match runs there.
    m.SetStartTime(from, 0);
    m.SetSeat(ref, seat, static_cast<int16_t>(entry));
    m.SetSlot(entry, slot, ref, seat);
    if (m.Table(ref).SeatTaken(1 - seat)) m.SetStartTime(ref, t.Ports.Clock->Now());
    WriteLogLine(t, Sprintf("       -> Relocated to %d", m.Table(ref).Number));
    NotifyFiltered(t, NfPlayerMoved,
                   Sprintf("Player \"%s\" has been moved to table %d", m.Player(entry).Name.c_str(),
                           m.Table(ref).Number));
    return true;
  }
  return false;
}

void RemoveASpot(TTourney& t, int bracket, int k) {
  static const char* const kLines[kBrackets] = {"    -> RemoveAWinnersSpot(%d)", "    -> RemoveAOneLossSpot(%d)",
                                                "    -> RemoveATwoLossSpot(%d)"};
  WriteLogLine(t, Sprintf(kLines[bracket], k));
  if (k >= kRounds) return;
  const TRound& round = t.Model.Round(bracket, k);
  const int n = round.TableCount;
  if (n <= 0 || n > kTablesPerRound) return;
  const TTableRef last = TTableRef::Of(bracket, k, n - 1);
  const TTable& table = t.Model.Table(last);
  // Entries of a decided table stay where their result was recorded.
  if (table.Result != 0) return;
  const int seat = round.HasByeTable ? 0 : 1;
  const int16_t entry = table.Seat[static_cast<size_t>(seat)];
  if (entry == kNoEntry) return;
  RelocatePlayer(t, k, round.HasByeTable ? n - 2 : n - 1, entry, last);
}

void PullInStragglers(TTourney& t) {
  for (int b = 0; b <= t.ElimFormat && b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      const int n = t.Model.Round(b, r).TableCount;
      for (int i = n; i < kTablesPerRound && n > 0; ++i) {
        const TTableRef ref = TTableRef::Of(b, r, i);
        for (int s = 0; s < 2; ++s) {
          const int16_t entry = t.Model.Table(ref).Seat[static_cast<size_t>(s)];
          if (entry != kNoEntry && t.Model.Table(ref).Result == 0) RelocatePlayer(t, r, n - 1, entry, ref);
        }
      }
    }
  }
}

}  // namespace vkr
