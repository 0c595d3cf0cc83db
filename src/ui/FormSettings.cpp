// The host's settings: read once at start-up into the tournament and the
// window, written after every option change and when the window closes.
#include <QCloseEvent>
#include <QRect>
#include <QScreen>
#include <algorithm>

#include "lobby/RapidAssign.h"
#include "messages/MacroControls.h"
#include "storage/Settings.h"
#include "storage/SettingsApply.h"
#include "storage/SettingsPort.h"
#include "storage/SideFiles.h"
#include "timing/ZoneClocks.h"
#include "ui/StatusPanels.h"
#include "ui/TarnwickForm.h"

namespace vkr {

void TTarnwickForm::LoadSettings(std::unique_ptr<TSettingsPort> store) {
  FSettingsStore = std::move(store);
  TSettings& s = FSettings;
  if (!ReadSettings(*FSettingsStore, s)) Warning("Error reading configuration");
  ApplySettings(T, s);
  BuildMacroControls(T);  // from the stored active macro file
  if (s.Left && s.Top) {
    // A placement from another screen layout must not put the window out of reach.
    const QRect area = screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    move(std::clamp(*s.Left, area.left(), std::max(area.left(), area.right() - 100)),
         std::clamp(*s.Top, area.top(), std::max(area.top(), area.bottom() - 100)));
  }
  if (s.Height) resize(width(), std::max(300, *s.Height));
  BracketArrangement = s.BracketArrangement;
  FStatus->SetShown(s.ShowStatusSummary);
  setWindowFlag(Qt::WindowStaysOnTopHint, s.AlwaysOnTop);
  Action(QStringLiteral("AlwaysOnTopItem"))->setChecked(s.AlwaysOnTop);
  LoadPlayerLists(T);
  ArrangeBrackets();
  // The clocks show the chosen zones at once, not a second later.
  UpdateStatusClocks(T, FClock.Now());
  RefreshAll();
}

void TTarnwickForm::SaveSettings() {
  if (!FSettingsStore) return;  // nothing before start-up has read them
  TSettings& s = FSettings;
  CaptureSettings(T, s);
  s.Left = x();
  s.Top = y();
  s.Height = height();
  s.BracketArrangement = BracketArrangement;
  s.ShowStatusSummary = FStatus->Shown();
  s.AlwaysOnTop = (windowFlags() & Qt::WindowStaysOnTopHint) != 0;
  WriteSettings(*FSettingsStore, s);
  SavePlayerLists(T);
}

void TTarnwickForm::closeEvent(QCloseEvent* event) {
  // The host's friends list goes back before the program ends.
  SetRapidAssignActive(T, false);
  SaveSettings();
  QMainWindow::closeEvent(event);
}

}  // namespace vkr
