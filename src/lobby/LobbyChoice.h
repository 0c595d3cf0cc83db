#pragma once
// The choice of the lobby whose chat receives the announcements: the lobby
// submenu, choosing and disabling, and finding the chosen lobby again by its
// title.
#include "lobby/LobbyState.h"

namespace vkr {

struct TTourney;

// The click on a lobby entry of the submenu. While sign-ups are open the
// lobby kind also sets the lobby table count (renumbering every table when it
// changes).
void SelectLobby(TTourney& t, const TLobbyEntry& entry);
// The "&Disabled" entry: no lobby; posting goes to the clipboard only.
void DisableLobby(TTourney& t);
// Rebuilds the submenu's lobby entries. The last lobby titled LobbyName
// becomes the chosen one; none: DisableLobby.
void RefreshLobbyMenu(TTourney& t);
// Once a second: the first lobby titled LobbyName, or detached while none is.
void ReattachLobby(TTourney& t);

}  // namespace vkr
