#pragma once
// Finding the lobby client's windows: the open lobbies and a lobby's chat
// input box.
#include <string_view>
#include <vector>

#include "lobby/LobbyState.h"

namespace vkr {

struct TTourney;

inline constexpr std::string_view kClientLobbyClass = "ZoneLobbyClientWnd";
inline constexpr std::string_view kLobbyWindowClass = "ZoneLobbyWindow";

// Every ZoneLobbyClientWnd window in window order, then every ZoneLobbyWindow
// window; empty when there is no window system.
std::vector<TLobbyEntry> EnumerateLobbies(const TTourney& t);
// The chat input box of a lobby window; 0 when none is found.
TWindowHandle FindLobbyEdit(const TTourney& t, TWindowHandle lobby);
// Whether a window is a lobby of the ZoneLobbyWindow kind.
bool IsLobbyWindowKind(const TTourney& t, TWindowHandle lobby);

}  // namespace vkr
