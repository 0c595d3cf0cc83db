#pragma once
// Rapid assign through the lobby client's friends list: the list as last
// read or written, the host's lobby name it is active for, and the menu
// choices.
#include <string>
#include <vector>

namespace vkr {

struct TRapidAssignState {
  // The folder holding one folder per lobby user with its "Friends.txt";
  // empty when not known.
  std::string FavoritesRoot;
  std::string Nick;  // the host's lobby name while active; empty while inactive
  bool Active = false;
  std::vector<std::string> Names;
  bool AddMode = true;  // "Assign as added to ZoneFriends"; else as removed
  bool Busy = false;    // a change of the file is being handled
  bool ChangedWhileBusy = false;
};

}  // namespace vkr
