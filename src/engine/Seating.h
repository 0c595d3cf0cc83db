#pragma once
// The seat search that places an entry in the next round of a bracket.
#include <vector>

namespace vkr {

struct TTourney;

// How an entry reaches its new table; decides whether the table's clock starts.
enum class TPlacement { WinnerIntoWinners, LoserIntoOneLoss, WinnerIntoOneLoss, LoserIntoTwoLoss, WinnerIntoTwoLoss };

struct TSeated {
  int Table = -1;  // -1: no free seat was found
  int Seat = 0;
  bool Found() const { return Table >= 0; }
};

// Gives the first empty table (of the first maxTables) whose number is in use
// elsewhere a free number; false when there is none or no number is free.
bool RenumberOneTable(TTourney& t, int bracket, int q, int maxTables, const std::vector<bool>& used);

// Seats entry in round q of bracket within the first maxTables tables,
// renumbering one empty table whose number is in use elsewhere when needed.
TSeated PlaceInRound(TTourney& t, int bracket, int q, int entry, int maxTables, TPlacement placement);

}  // namespace vkr
