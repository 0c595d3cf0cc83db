#pragma once
// The folders of the lobby client's friends lists: which user folders there
// are, and notice when a watched file's last-write time changes.
#include <functional>
#include <string>
#include <vector>

namespace vkr {

class TFolderWatchPort {
 public:
  virtual ~TFolderWatchPort() = default;
  // Watches a file through its folder (not its subfolders), so a file that is
  // replaced counts as changed too. `changed` runs later on the user-interface
  // thread, once per change of the file's last-write time, never inside
  // Watch. A second Watch replaces the first.
  virtual void Watch(const std::string& file, std::function<void()> changed) = 0;
  virtual void Unwatch() = 0;
  // The names (not paths) of the folders directly inside a folder.
  virtual std::vector<std::string> Subfolders(const std::string& folder) = 0;
};

}  // namespace vkr
