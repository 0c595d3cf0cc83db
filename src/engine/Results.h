#pragma once
// Result entry and advancement through the three brackets, taking results
// back, and the elimination format.
namespace vkr {

struct TTourney;

struct TWinButton {
  int Bracket = 0;
  int Round = 0;       // round index
  int TableIndex = 0;
  int Seat = 0;
};

// A Win button pressed (down) or released; silent suppresses every announcement.
void AssignWin(TTourney& t, const TWinButton& button, bool down, bool silent);
// The click handlers: log "Click: Winners Win check" (OneLoss, TwoLoss) and assign.
void WinButtonClick(TTourney& t, const TWinButton& button, bool down);
// The player menu's "Assign win silently".
void AssignWinSilently(TTourney& t, const TWinButton& button);

bool CancelMatch(TTourney& t, int bracket, int round, int tableIndex);

// The menu items Single, Double, Triple.
void SetElimFormatClick(TTourney& t, int format);
void SetElimFormat(TTourney& t, int format);

}  // namespace vkr
