// The player menu's corrections and the table menu's void table number:
// each item reaches its core operation for the seat or table the menu was
// opened on, and the views show the result.
#include <QAction>
#include <QMenu>

#include "engine/Corrections.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "ui/BracketView.h"
#include "ui/StatusPanels.h"
#include "ui/TarnwickForm.h"
#include "ui/uReassignPlayer.h"

namespace vkr {

TWinButton TTarnwickForm::MenuSeat() const { return TWinButton{FMenuBracket, FMenuRound, FMenuTable, FMenuSeat}; }

void TTarnwickForm::ShowPlayerMenu(int bracket, int round, int tableIndex, int seat, bool onWinButton, QPoint at) {
  FMenuBracket = bracket;
  FMenuRound = round;
  FMenuTable = tableIndex;
  FMenuSeat = seat;
  const TPlayerMenuState state = PlayerMenuState(T, MenuSeat(), onWinButton);
  Action(QStringLiteral("RemovePlayerItem"))->setEnabled(state.Remove);
  Action(QStringLiteral("BothQuitItem"))->setEnabled(state.BothQuit);
  Action(QStringLiteral("ReassignPlayerItem"))->setEnabled(state.Reassign);
  Action(QStringLiteral("DisqualifyPlayerItem"))->setEnabled(state.Disqualify);
  Action(QStringLiteral("AssignWinSilentlyItem"))->setEnabled(state.AssignWinSilently);
  FPlayerMacros->setEnabled(state.Remove && !T.Macros.PlayerEntries.empty());
  FPlayerMenu->popup(at);
}

void TTarnwickForm::CorrectSeat(bool (*correction)(TTourney&, const TWinButton&)) {
  // A name being typed is entered first, as leaving its box would.
  for (TBracketView* view : FViews) view->CommitNameEdit();
  if (correction(T, MenuSeat())) ShowCorrection();
}

void TTarnwickForm::ReassignPlayerItemClick() {
  for (TBracketView* view : FViews) view->CommitNameEdit();
  if (vkr::ReassignPlayerItemClick(T, MenuSeat(), this)) ShowCorrection();
}

void TTarnwickForm::VoidTableItemClick() {
  if (ToggleVoidTable(T, T.Model.Table(FMenuBracket, FMenuRound, FMenuTable).Number)) {
    for (TBracketView* view : FViews) view->Redraw();
  }
}

// Corrections change seats, rounds and the structure anywhere in the brackets.
void TTarnwickForm::ShowCorrection() {
  for (TBracketView* view : FViews) view->RebuildTabs();
  FStatus->Refresh();
  TimerTick();
}

}  // namespace vkr
