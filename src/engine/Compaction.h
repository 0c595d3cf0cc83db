#pragma once
// Taking one seat out of a round after an entry leaves it: the entry in the
// round's last seat moves down into the nearest free seat.
namespace vkr {

struct TTourney;
struct TTableRef;

// RemoveAWinnersSpot, RemoveAOneLossSpot and RemoveATwoLossSpot for round k.
void RemoveASpot(TTourney& t, int bracket, int k);
// Seats the entry at the first table from startIndex down to 0 of its
// table's round with a free seat; false when it found none and stayed.
bool RelocatePlayer(TTourney& t, int k, int startIndex, int entry, TTableRef from);
// After a round shrank, brings every waiting entry seated beyond its round's
// tables back into a free seat of the round.
void PullInStragglers(TTourney& t);
// The slot in which the entry holds this table, or -1.
int SlotHolding(const TTourney& t, int entry, TTableRef table);

}  // namespace vkr
