#pragma once
// The lobby client's windows, reached only through the window system. A
// window that no longer exists has no text, no class, no children and a
// client height of 0, and messages sent or posted to it do nothing.
#include <functional>
#include <string>

#include "lobby/LobbyState.h"

namespace vkr {

class TWindowSystemPort {
 public:
  virtual ~TWindowSystemPort() = default;
  // The next top-level window of a class after `after` (0: the first), in
  // the system's window order; 0 ends the walk. Classes compare case-blind.
  virtual TWindowHandle FindTopLevel(const std::string& className, TWindowHandle after) = 0;
  virtual std::string WindowText(TWindowHandle window) = 0;  // at most 255 characters
  virtual std::string ClassName(TWindowHandle window) = 0;   // at most 63 characters
  // Every descendant depth-first, until visit gives false.
  virtual void ForEachDescendant(TWindowHandle window, const std::function<bool(TWindowHandle)>& visit) = 0;
  virtual TWindowHandle FirstChild(TWindowHandle window) = 0;
  virtual int ClientHeight(TWindowHandle window) = 0;
  // Selects everything in an edit box and replaces it by the clipboard's
  // text; returns once the box has handled both.
  virtual void SelectAllAndPaste(TWindowHandle edit) = 0;
  // Queues an Enter key press (key down, character, key up) for an edit box.
  virtual void PostEnter(TWindowHandle edit) = 0;
};

}  // namespace vkr
