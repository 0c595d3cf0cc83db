#pragma once
// The macro controls of the host window as data: the Macro menu's macro
// entries with their hot-keys, the "Run macro for this player" entries, the
// macro toolbar's buttons, and the run state that swaps the Macro menu for
// the Stop menu.
#include <string>
#include <vector>

namespace vkr {

struct TMacroEntry {
  std::string Name;
  std::string HotKey;  // canonical shortcut text; empty for none
};

struct TMacroButton {
  std::string Caption;
  std::string Macro;
};

struct TMacroState {
  std::string FileName;  // the current macro file; empty: the default in the folder for files
  std::vector<std::string> RecentFiles;  // newest first
  std::vector<TMacroEntry> Entries;
  std::vector<std::string> PlayerEntries;
  std::vector<TMacroButton> Buttons;
  bool Running = false;  // a general macro runs: the Stop menu is shown instead of the Macro menu
  bool StopRequested = false;
};

}  // namespace vkr
