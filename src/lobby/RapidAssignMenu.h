#pragma once
// The host window's rapid-assign commands and what it does when a name is
// added to or removed from the friends list, or the lobby name changes.
#include <string>

namespace vkr {

struct TTourney;

// "&Rapid-assign Active".
void RapidAssignItemClick(TTourney& t);
// The radio pair "Assign as added to ZoneFriends" / "... removed from ...".
void RapidAssignModeAddItemClick(TTourney& t);
void RapidAssignModeRemoveItemClick(TTourney& t);
// The new-tournament dialog's choice: not used (off), or on in one of the modes.
enum class TRapidAssignChoice { NotUsed, AddedToFriends, RemovedFromFriends };
void ApplyNewTourneyRapidAssign(TTourney& t, TRapidAssignChoice choice);
// "Search for &unrestored ZF lists..." is offered only while inactive.
bool SearchUnrestoredEnabled(const TTourney& t);

void RapidAssignPlayerAdded(TTourney& t, const std::string& name);
void RapidAssignPlayerRemoved(TTourney& t, const std::string& name);
void RapidAssignNameChanged(TTourney& t);

}  // namespace vkr
