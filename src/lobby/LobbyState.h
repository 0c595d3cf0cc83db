#pragma once
// The chosen lobby and the posting options.
#include <cstdint>
#include <string>

namespace vkr {

using TWindowHandle = uint32_t;  // 0 means none

struct TLobbyState {
  TWindowHandle FParentLobbyWnd = 0;
  TWindowHandle FLobbyEditWnd = 0;
  std::string LobbyName;
  bool DisabledChecked = true;
  // Option menu items (check marks).
  bool AutoPostPreview = false;
  bool AutoPostLoss = false;
  bool PostManually = false;
  bool ShowLobbyInMenu = false;
};

}  // namespace vkr
