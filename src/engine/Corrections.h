#pragma once
// The host's corrections from the player menu (right click on a seat's name
// or Win button) and the table menu. Each acts on the seat or table the menu
// was opened on, writes its own action-log line first, asks its question,
// and changes nothing when the host says No or the correction is refused.
// The player menu's "Assign win silently" is AssignWinSilently (Results.h);
// the reassignment dialog is in Reassign.h.
#include <cstdint>

namespace vkr {

struct TTourney;
struct TWinButton;

// Which player-menu items are enabled when the menu opens on a seat.
struct TPlayerMenuState {
  bool Remove = false, BothQuit = false, Reassign = false, Disqualify = false, AssignWinSilently = false;
};
TPlayerMenuState PlayerMenuState(const TTourney& t, const TWinButton& seat, bool onWinButton);

// The entry's current slot, searched from the round the menu was opened in.
int CurrentSlotFrom(const TTourney& t, int entry, int round);

// "Remove player (or has left)": during sign-ups the entry is erased (no
// undo); afterwards it leaves its current table, the round gives up a seat
// and the entry keeps its earlier tables. True when the entry was removed.
bool RemovePlayer(TTourney& t, const TWinButton& seat);

// "Both players have quit": the table is abandoned and the next rounds of
// the brackets the two would have gone to give up a seat each.
bool BothQuit(TTourney& t, const TWinButton& seat);

// "Disqualify player": the entry keeps its seat but earns no points and a
// later win for it must be confirmed. True when the host said Yes.
bool DisqualifyPlayer(TTourney& t, const TWinButton& seat);

// "&Don't assign to this table number": marks or unmarks the number; false
// (with a warning) when it is not a table number of the lobby.
bool ToggleVoidTable(TTourney& t, int32_t number);
bool IsVoidTable(const TTourney& t, int32_t number);
// Warns and gives false when the number is not a table number of the lobby.
bool CheckLobbyTableNumber(TTourney& t, int32_t number);

}  // namespace vkr
