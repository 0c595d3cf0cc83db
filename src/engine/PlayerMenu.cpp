// What the player menu offers on a seat, and which of the entry's tables it acts on.
#include "engine/Corrections.h"
#include "engine/Results.h"
#include "engine/Tourney.h"

namespace vkr {

int CurrentSlotFrom(const TTourney& t, int entry, int round) {
  const TPlayer& p = t.Model.Player(entry);
  int k = round < 0 ? 0 : round >= kSlots ? kSlots - 1 : round;
  while (k + 1 < kSlots && p.Tables[static_cast<size_t>(k + 1)].IsSet()) ++k;
  // Tables entered from other rounds (the grand final) may sit in an earlier slot.
  return p.Tables[static_cast<size_t>(k)].IsSet() ? k : p.CurrentSlot();
}

TPlayerMenuState PlayerMenuState(const TTourney& t, const TWinButton& s, bool onWinButton) {
  TPlayerMenuState state;
  if (s.Bracket < 0 || s.Bracket >= kBrackets || s.Round < 0 || s.Round >= kRounds || s.TableIndex < 0 ||
      s.TableIndex >= kTablesPerRound || s.Seat < 0 || s.Seat > 1) {
    return state;
  }
  const TTable& table = t.Model.Table(s.Bracket, s.Round, s.TableIndex);
  if (!table.SeatTaken(s.Seat)) return state;
  state.Remove = state.Reassign = state.Disqualify = true;
  state.BothQuit = table.Result == 0 && table.SeatTaken(1 - s.Seat);
  state.AssignWinSilently = onWinButton;
  return state;
}

}  // namespace vkr
