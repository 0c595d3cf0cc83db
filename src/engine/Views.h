#pragma once
// Redraw requests the engine makes of the bracket views. Each writes its
// action-log line while the view's rows exist, then asks the screen.
namespace vkr {

struct TTourney;

void UpdateRound(TTourney& t, int bracket, int round);
void UpdateWinnersRound(TTourney& t, int round);
void UpdateOneLossRound(TTourney& t, int round);
void UpdateTwoLossRound(TTourney& t, int round);
// Rebuilds the three tab strips after numbering the deciding rounds' tables.
void UpdateBracketTabs(TTourney& t);
// Rebuilds the tab strips keeping every table number: after undo and redo,
// whose snapshot already holds the numbers the tables had.
void RefreshBracketTabs(TTourney& t);
void RepaintTabs(TTourney& t, int bracket);

}  // namespace vkr
