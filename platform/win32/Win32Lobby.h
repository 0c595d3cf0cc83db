#pragma once
// The lobby client's real windows, through the Win32 window functions.
#include "lobby/WindowSystemPort.h"

namespace vkr::win32 {

class TWin32Lobby : public TWindowSystemPort {
 public:
  TWindowHandle FindTopLevel(const std::string& className, TWindowHandle after) override;
  std::string WindowText(TWindowHandle window) override;
  std::string ClassName(TWindowHandle window) override;
  void ForEachDescendant(TWindowHandle window, const std::function<bool(TWindowHandle)>& visit) override;
  TWindowHandle FirstChild(TWindowHandle window) override;
  int ClientHeight(TWindowHandle window) override;
  void SelectAllAndPaste(TWindowHandle edit) override;
  void PostEnter(TWindowHandle edit) override;
};

}  // namespace vkr::win32
