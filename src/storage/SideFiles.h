#pragma once
// The files the host keeps beside the formats in the folder for files: the
// banned and recent player lists, and moving that folder elsewhere.
#include <string>

namespace vkr {

struct TTourney;

// Reads "BannedPlayers.txt" and "RecentPlayers.txt" when they exist.
void LoadPlayerLists(TTourney& t);
// Writes both lists whole; a list that cannot be written is reported.
void SavePlayerLists(TTourney& t);

// "Set default folder for files...": moves the format store and the banned
// list to the chosen folder and makes it current. False (and the folder left
// as it was) when either could not be copied. The folder gets its separator.
bool MoveFilesFolder(TTourney& t, std::string folder);

}  // namespace vkr
