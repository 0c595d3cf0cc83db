#pragma once
// A test host whose folder for files holds a format store in memory.
#include "fakes/FakePorts.h"
#include "formats/FormatMenu.h"

namespace vkr::test {

struct TFormatTestHost : TTestHost {
  static constexpr const char* kStore = "files/Tourney Formats.ini";
  TFormatTestHost() { T.FilesFolder = "files/"; }
  void Store(const std::string& text) { Files.Files[kStore] = text; }
  // Rebuilds the Format menu selecting name; gives the log lines that wrote.
  std::vector<std::string> Choose(const std::string& name) {
    const size_t before = LogLines().size();
    RebuildFormatMenu(T, name);
    const std::vector<std::string> lines = LogLines();
    return {lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()};
  }
};

}  // namespace vkr::test
