// The pop-up menus of the timing: the boot menu of a boot button, the table
// menu of a row's table number and time, and the status bar's time zones.
#include <QAction>
#include <algorithm>
#include <QMenu>
#include <QStatusBar>

#include "engine/Tourney.h"
#include "timing/BootMenu.h"
#include "timing/TimeWarning.h"
#include "timing/TimerTick.h"
#include "timing/uTimeZones.h"
#include "ui/BracketView.h"
#include "ui/TarnwickForm.h"

namespace vkr {

void TTarnwickForm::CreateTimingMenus() {
  using TBootCommand = bool (*)(TTourney&, TTableRef, int);
  FBootMenu = new QMenu(this);
  FBootMenu->setObjectName(QStringLiteral("BootMenu"));
  static const struct {
    const char* Name;
    const char* Caption;
    TBootCommand Command;
  } kBootItems[] = {{"ClearBootCountItem", "Clear boot count", ClearBootCountItemClick},
                    {"SilentCancelBootTimingItem", "Silently cancel timing", SilentCancelBootTimingItemClick},
                    {"CancelBootedStateItem", "Cancel booted state", CancelBootedStateItemClick},
                    {"IncrementBootCountItem", "Increment boot count", IncrementBootCountItemClick},
                    {"DecrementBootCountItem", "Decrement boot count", DecrementBootCountItemClick}};
  for (const auto& item : kBootItems) {
    const TBootCommand command = item.Command;
    AddItem(FBootMenu, item.Name, item.Caption, [this, command] {
      command(T, TTableRef::Of(FMenuBracket, FMenuRound, FMenuTable), FMenuSeat);
      for (TBracketView* view : FViews) view->Redraw();
    });
  }

  FTableMenu = new QMenu(this);
  FTableMenu->setObjectName(QStringLiteral("TableMenu"));
  AddItem(FTableMenu, "ResetTimerItem", "&Reset timer", [this] {
    ResetTimerItemClick(T, TTableRef::Of(FMenuBracket, FMenuRound, FMenuTable));
    TimerTick();
  });
  AddItem(FTableMenu, "CopyTimeRemainingItem", "&Copy time remaining to Ctrl+V into table",
          [this] { CopyTimeRemainingItemClick(T, TTableRef::Of(FMenuBracket, FMenuRound, FMenuTable)); });
  AddItem(FTableMenu, "VoidTableItem", "&Don't assign to this table number", [this] { VoidTableItemClick(); })
      ->setCheckable(true);

  FTimeZoneMenu = new QMenu(this);
  FTimeZoneMenu->setObjectName(QStringLiteral("TimeZoneMenu"));
  AddItem(FTimeZoneMenu, "Selecttimezones1", "&Select time zones...", [this] { SelectTimeZones(); });
  statusBar()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(statusBar(), &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { FTimeZoneMenu->popup(statusBar()->mapToGlobal(at)); });
}

void TTarnwickForm::ShowBootMenu(int bracket, int round, int tableIndex, int seat, QPoint at) {
  const TBootMenuState state = BootMenuPopup(T, TTableRef::Of(bracket, round, tableIndex), seat);
  FMenuBracket = bracket;
  FMenuRound = round;
  FMenuTable = tableIndex;
  FMenuSeat = seat;
  Action(QStringLiteral("ClearBootCountItem"))->setEnabled(state.ClearBootCount);
  Action(QStringLiteral("SilentCancelBootTimingItem"))->setEnabled(state.SilentCancelBootTiming);
  Action(QStringLiteral("CancelBootedStateItem"))->setEnabled(state.CancelBootedState);
  Action(QStringLiteral("IncrementBootCountItem"))->setEnabled(state.IncrementBootCount);
  Action(QStringLiteral("DecrementBootCountItem"))->setEnabled(state.DecrementBootCount);
  FBootMenu->popup(at);
}

void TTarnwickForm::ShowTableMenu(int bracket, int round, int tableIndex, QPoint at) {
  const TTableRef ref = TTableRef::Of(bracket, round, tableIndex);
  const TTableTimerMenu state = TableTimerMenuState(T, ref);
  FMenuBracket = bracket;
  FMenuRound = round;
  FMenuTable = tableIndex;
  Action(QStringLiteral("ResetTimerItem"))->setEnabled(state.ResetTimerEnabled);
  Action(QStringLiteral("CopyTimeRemainingItem"))->setEnabled(state.CopyTimeRemainingEnabled);
  const int32_t number = T.Model.Table(ref).Number;
  Action(QStringLiteral("VoidTableItem"))
      ->setChecked(std::find(T.VoidTables.begin(), T.VoidTables.end(), number) != T.VoidTables.end());
  FTableMenu->popup(at);
}

void TTarnwickForm::SelectTimeZones() {
  TTimeZonesDialog dialog(T, this);
  if (dialog.exec() == QDialog::Accepted) dialog.Apply();
  TimerTick();
}

}  // namespace vkr
