#pragma once
// The system clipboard through Qt; Qt offers the text in every form the
// other programs ask for, so only the Unicode text is handed over.
#include "lobby/ClipboardPort.h"

namespace vkr {

class TQtClipboard : public TClipboardPort {
 public:
  bool SetText(const std::string& ansi, const std::u16string& wide) override;
};

}  // namespace vkr
