#pragma once
// The clipboard: a line is stored as 8-bit text and as UTF-16 text.
#include <string>

namespace vkr {

class TClipboardPort {
 public:
  virtual ~TClipboardPort() = default;
  // False when the clipboard could not be opened (another program holds it).
  virtual bool SetText(const std::string& ansi, const std::u16string& wide) = 0;
};

}  // namespace vkr
