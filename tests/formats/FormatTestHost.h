#pragma once
// A test host whose folder for files holds a format store in memory.
#include "fakes/FakePorts.h"
#include "formats/FormatMenu.h"

namespace vkr::test {

struct TFormatTestHost : TTestHost {
  static constexpr const char* kStore = "files/Tourney Formats.ini";
  TFormatTestHost() { T.FilesFolder = "files/"; }
  void Store(const std::string& text) { Files.Files[kStore] = text; }
  // Rebuilds the Format menu selecting name.
  void Choose(const std::string& name) { RebuildFormatMenu(T, name); }
};

}  // namespace vkr::test
