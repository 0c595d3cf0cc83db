#pragma once
// The Windows clipboard: a line as CF_TEXT and CF_UNICODETEXT.
#include "lobby/ClipboardPort.h"
#include "lobby/LobbyState.h"

namespace vkr::win32 {

class TWin32Clipboard : public TClipboardPort {
 public:
  // The clipboard's new contents are owned by this window.
  explicit TWin32Clipboard(TWindowHandle owner) : FOwner(owner) {}
  bool SetText(const std::string& ansi, const std::u16string& wide) override;

 private:
  TWindowHandle FOwner;
};

}  // namespace vkr::win32
