#pragma once
// Real files, except that lines logged before a tournament file is named
// (".log", relative to wherever the program was started) go to the folder for
// files instead: neither a script run nor the host window leaves a log in the
// folder it was started from (for a desktop program, the user's home).
#include <string>
#include <string_view>

#include "native/NativePorts.h"

namespace vkr {

class TFilesWithLogFolder : public TNativeFileSystem {
 public:
  // The folder (ending in a separator) is read at each write, so it follows the setting.
  void SetFilesFolder(const std::string* folder) { FFilesFolder = folder; }
  bool AppendWriteThrough(const std::string& path, std::string_view bytes) override {
    return TNativeFileSystem::AppendWriteThrough(path == ".log" && FFilesFolder ? *FFilesFolder + path : path, bytes);
  }

 private:
  const std::string* FFilesFolder = nullptr;
};

}  // namespace vkr
