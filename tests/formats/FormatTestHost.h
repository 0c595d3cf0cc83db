#pragma once
// A test host whose folder for files holds a format store in memory.
#include <string>
#include <vector>

#include "fakes/FakePorts.h"
#include "formats/FormatMenu.h"

namespace vkr::test {

struct TFormatTestHost : TTestHost {
  static constexpr const char* kStore = "files/Tourney Formats.ini";
  TFormatTestHost() { T.FilesFolder = "files/"; }
  void Store(const std::string& text) { Files.Files[kStore] = text; }
  // Rebuilds the Format menu from the store selecting name; the log lines it wrote.
  std::vector<std::string> Choose(const std::string& name) {
    const size_t before = LogLines().size();
    RebuildFormatMenu(T, name);
    std::vector<std::string> lines = LogLines();
    return {lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()};
  }
};

}  // namespace vkr::test
