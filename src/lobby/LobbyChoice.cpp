#include "lobby/LobbyChoice.h"

#include <string_view>

#include "base/Text.h"
#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/LobbyWindows.h"

namespace vkr {
namespace {

constexpr int32_t kLobbyTables = 150;
constexpr int32_t kLobbyWindowTables = 51;  // a ZoneLobbyWindow lobby has fewer tables

// An empty name stands for no lobby (it is what a tournament without a lobby
// stores), so it never matches an untitled window.
bool NamesLobby(std::string_view title, std::string_view lobbyName) {
  return !lobbyName.empty() && SameText(title, lobbyName);
}

// The radio group: the lobby entry of that window checked, all others and
// "&Disabled" not.
void CheckMenuEntry(TLobbyState& lobby, TWindowHandle window) {
  for (TLobbyMenuEntry& entry : lobby.Menu) entry.Checked = entry.Lobby.Handle == window;
  lobby.DisabledChecked = false;
}

void Attach(TTourney& t, const TLobbyEntry& entry) {
  t.Lobby.FParentLobbyWnd = entry.Handle;
  t.Lobby.FLobbyEditWnd = FindLobbyEdit(t, entry.Handle);
}

}  // namespace

void SelectLobby(TTourney& t, const TLobbyEntry& entry) {
  Attach(t, entry);
  t.Lobby.LobbyName = entry.Title;
  t.Lobby.UntitledChoice = entry.Title.empty() ? entry.Handle : 0;
  CheckMenuEntry(t.Lobby, entry.Handle);
  if (!t.SignupsClosed) {
    const int32_t count = IsLobbyWindowKind(t, entry.Handle) ? kLobbyWindowTables : kLobbyTables;
    if (count != t.LobbyTableCount) {
      t.LobbyTableCount = count;
      SetElimFormat(t, t.ElimFormat);
    }
  }
  t.Ports.Screen->ControlsChanged();
}

void DisableLobby(TTourney& t) {
  TLobbyState& lobby = t.Lobby;
  lobby.FParentLobbyWnd = 0;
  lobby.FLobbyEditWnd = 0;
  lobby.LobbyName.clear();
  lobby.UntitledChoice = 0;
  for (TLobbyMenuEntry& entry : lobby.Menu) entry.Checked = false;
  lobby.DisabledChecked = true;
  t.LobbyTableCount = kLobbyTables;
  t.Ports.Screen->ControlsChanged();
}

void RefreshLobbyMenu(TTourney& t) {
  TLobbyState& lobby = t.Lobby;
  lobby.Menu.clear();
  lobby.UntitledChoice = 0;
  bool matched = false;
  for (const TLobbyEntry& found : EnumerateLobbies(t)) {
    lobby.Menu.push_back(TLobbyMenuEntry{found, false});
    if (!NamesLobby(found.Title, lobby.LobbyName)) continue;
    // Each lobby with the name takes over in turn, so the last one listed wins.
    CheckMenuEntry(lobby, found.Handle);
    Attach(t, found);
    lobby.LobbyName = found.Title;
    matched = true;
  }
  if (matched) t.Ports.Screen->ControlsChanged();
  else DisableLobby(t);
}

void ReattachLobby(TTourney& t) {
  TLobbyState& lobby = t.Lobby;
  if (lobby.DisabledChecked) return;
  for (const TLobbyEntry& found : EnumerateLobbies(t)) {
    const bool chosen = lobby.UntitledChoice != 0 && found.Handle == lobby.UntitledChoice;
    if (!chosen && !NamesLobby(found.Title, lobby.LobbyName)) continue;
    Attach(t, found);
    return;
  }
  // The handle and the name stay, so a window with the title is found again.
  lobby.FLobbyEditWnd = 0;
}

}  // namespace vkr
