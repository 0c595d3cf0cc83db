// The current macro file, its recent-files list and "Save as...", and the
// editor's lobby sample.
#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "messages/MacroControls.h"
#include "messages/MacroEdit.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

TEST(MacroFiles, SaveAsCopiesAndSwitchesOnlyWhenTheCopyWorks) {
  TTestHost h;
  const std::string macros = "[_Toolbar_]\r\nRules=R\r\n\r\n[Rules]\r\nLine00=\"Be nice\"\r\n\r\n";
  h.Files.Files["/m/a.vkm"] = macros;
  SetMacroFile(h.T, "/m/a.vkm");
  const auto buttons = h.T.Macros.Buttons.size();

  h.Files.FailWrites = true;
  EXPECT_FALSE(SaveMacroFileAs(h.T, "/m/b.vkm"));
  EXPECT_EQ(CurrentMacroFile(h.T), "/m/a.vkm");
  EXPECT_EQ(h.T.Macros.RecentFiles, S{"/m/a.vkm"});

  h.Files.FailWrites = false;
  h.Files.Files["/m/b.vkm"] = "[Old]\r\n";
  EXPECT_TRUE(SaveMacroFileAs(h.T, "/m/b.vkm"));
  EXPECT_EQ(h.Files.Files["/m/b.vkm"], macros);
  EXPECT_EQ(CurrentMacroFile(h.T), "/m/b.vkm");
  EXPECT_EQ(h.T.Macros.RecentFiles, (S{"/m/b.vkm", "/m/a.vkm"}));
  EXPECT_EQ(h.T.Macros.Buttons.size(), buttons);

  // A file that was never written has nothing to copy.
  SetMacroFile(h.T, "/m/new.vkm");
  EXPECT_FALSE(SaveMacroFileAs(h.T, "/m/c.vkm"));
  EXPECT_EQ(CurrentMacroFile(h.T), "/m/new.vkm");
}

TEST(MacroFiles, TheSampleShowsEachLineAsTheChatDoes) {
  EXPECT_EQ(LobbySample("Zoe", {"Hi all", "", "  Rules: %u"}), "Zoe> Hi all\nZoe> \nZoe>   Rules: %u");
  EXPECT_EQ(LobbySample("Zoe", {}), "");
}

}  // namespace
}  // namespace vkr::test
