#include "lobby/LobbyOptions.h"

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"

namespace vkr {
namespace {

void Toggle(TTourney& t, bool& checked) {
  checked = !checked;
  t.Ports.Screen->ControlsChanged();
}

}  // namespace

void AutoPostPreviewItemClick(TTourney& t) { Toggle(t, t.Lobby.AutoPostPreview); }
void AutoPostLossItemClick(TTourney& t) { Toggle(t, t.Lobby.AutoPostLoss); }
void PostManuallyItemClick(TTourney& t) { Toggle(t, t.Lobby.PostManually); }
void ShowLobbyInMenuItemClick(TTourney& t) { Toggle(t, t.Lobby.ShowLobbyInMenu); }

bool AutoPostLossItemEnabled(const TTourney& t) {
  return t.Lobby.FLobbyEditWnd != 0 && !t.Lobby.AutoPostPreview;
}

}  // namespace vkr
