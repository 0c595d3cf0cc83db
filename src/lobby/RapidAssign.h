#pragma once
// Rapid assign: while active the host's friends list is watched, and names
// added to it (or removed from it) sign up. The host's list is saved as
// "Friends.bak" before anything writes "Friends.txt" and is put back when
// rapid assign ends; "Friends.txt" is never written unless that copy exists,
// so an interruption at any point leaves the original list to restore.
#include <string>
#include <vector>

namespace vkr {

struct TTourney;

// The host's lobby name: the text after the first " - " in the title of the
// first "ZoneClient" window. Without a window system (no lobby client can
// run beside the program) the host name of the tournament stands for it.
std::string GetZoneNick(TTourney& t);

// Starts or stops; false when it could not start (no folder, no lobby name,
// or the host's list could not be saved).
bool SetRapidAssignActive(TTourney& t, bool on);
// Empties the list and writes the file.
void ClearFriends(TTourney& t);
// While active: takes a name off the list, so that adding it again counts.
void RemoveFriend(TTourney& t, const std::string& name);
// The user folders under the friends-list folder holding a "Friends.bak".
std::vector<std::string> FindUnrestored(TTourney& t);
// Whether the search dialog checks a user's entry: all but the active user's.
bool OfferedForRestore(const TTourney& t, const std::string& nick);
// Puts a user's saved list back over "Friends.txt" and deletes the copy.
void RestoreFriends(TTourney& t, const std::string& nick);

// The watched file changed: reads the list again and signs up the names
// added or removed, as the mode says.
void FriendsFileChanged(TTourney& t);
// Every 2 seconds: a changed or vanished lobby name ends rapid assign.
void RapidAssignNickCheck(TTourney& t);

// The files of a user.
std::string FriendsFileOf(const TTourney& t, const std::string& nick);
std::string FriendsBackupOf(const TTourney& t, const std::string& nick);

}  // namespace vkr
