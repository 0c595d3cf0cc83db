#pragma once
// The chosen lobby, the lobby submenu and the posting options.
#include <cstdint>
#include <string>
#include <vector>

namespace vkr {

using TWindowHandle = uint32_t;  // 0 means none

// One lobby window found on the desktop.
struct TLobbyEntry {
  std::string Title;  // at most 255 characters; empty for an untitled window
  TWindowHandle Handle = 0;
};

// A dynamic entry of the lobby submenu: a radio item tagged with its window.
struct TLobbyMenuEntry {
  TLobbyEntry Lobby;
  bool Checked = false;
};

struct TLobbyState {
  TWindowHandle FParentLobbyWnd = 0;
  TWindowHandle FLobbyEditWnd = 0;
  std::string LobbyName;
  // An untitled lobby the host chose from the submenu: no name can find it
  // again, so the tick keeps it by its window. 0 after a refresh or a load.
  TWindowHandle UntitledChoice = 0;
  // The lobby submenu: one entry per lobby window, in list order, followed by
  // the fixed "&Disabled" radio item.
  std::vector<TLobbyMenuEntry> Menu;
  bool DisabledChecked = true;
  // Option menu items (check marks).
  bool AutoPostPreview = false;
  bool AutoPostLoss = false;
  bool PostManually = false;
  bool ShowLobbyInMenu = false;
};

}  // namespace vkr
