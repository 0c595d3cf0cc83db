#pragma once
// The lobby posting options of the Options menu: check-mark items that
// toggle when clicked.
namespace vkr {

struct TTourney;

void AutoPostPreviewItemClick(TTourney& t);
void AutoPostLossItemClick(TTourney& t);
void PostManuallyItemClick(TTourney& t);
void ShowLobbyInMenuItemClick(TTourney& t);

// "Aut&o-post loser's message instantly" can be clicked only while a chat
// box is known and preview mode is off.
bool AutoPostLossItemEnabled(const TTourney& t);

}  // namespace vkr
