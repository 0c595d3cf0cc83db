#pragma once
// Moving the winner and the loser of a decided table on, bracket by bracket.
// Called by result entry once the table's result is recorded.
namespace vkr {

struct TTourney;
struct TWinButton;

struct TDecided {
  int Bracket = 0;
  int Round = 0;
  int TableIndex = 0;
  int Winner = -1;
  int Loser = -1;  // -1: the winner had no opponent (a bye)
  bool ForcedBye = false;
  bool Silent = false;
};

void AdvanceWinners(TTourney& t, const TDecided& d);
void AdvanceOneLoss(TTourney& t, const TDecided& d);
void AdvanceTwoLoss(TTourney& t, const TDecided& d);

// The notice shown when an entry is seated alone at the next round's bye table.
void ByeAssignedNotice(TTourney& t, const char* who);
// Whether the engine may post a loser's status on its own.
bool MayPostLoser(const TTourney& t);

}  // namespace vkr
