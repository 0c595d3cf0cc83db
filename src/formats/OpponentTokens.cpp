#include "formats/OpponentTokens.h"

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/FormatStore.h"
#include "formats/MessageFile.h"
#include "storage/FileSystemPort.h"

namespace vkr {

bool UpgradeOpponentToken(std::string& line) {
  size_t first = line.find("%p");
  if (first == std::string::npos) return false;
  size_t second = line.find("%p", first + 2);
  if (second == std::string::npos) return false;
  line[second + 1] = 'o';
  return true;
}

bool UpgradeOpponentTokens(TTourney& t) {
  TFileSystemPort& files = *t.Ports.Files;
  const std::string store = FormatStoreFileName(t);
  std::string text;
  if (!ReadUserFile(files, store, text)) return false;
  bool inSection = false, changed = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    const std::string trimmed = Trim(line);
    // Headers as the store's reader sees them; lines before the first one belong to no format.
    if (trimmed.size() >= 3 && trimmed[0] == '[') {
      inSection = true;
    } else if (inSection && line.find('=') != std::string::npos && UpgradeOpponentToken(line)) {
      text.replace(start, line.size(), line);  // same length: only one 'p' became 'o'
      changed = true;
    }
    start = end + 1;
  }
  return changed && files.WriteFileAtomic(store, text, false);
}

}  // namespace vkr
