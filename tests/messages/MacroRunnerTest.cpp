// Running macros (delays, stops, player macros) and the current macro file
// with "Save as...".
#include <gtest/gtest.h>

#include <functional>

#include "engine/SignUp.h"
#include "fakes/FakePorts.h"
#include "messages/MacroControls.h"
#include "messages/MacroRunner.h"
#include "support/TourneyHost.h"

namespace vkr {
namespace {

// A clock that lets a test act while a macro waits, as window messages would.
class THookedClock : public test::TFakeClock {
 public:
  std::function<void()> OnDelay;
  void DelayWithMessages(uint32_t ms) override {
    TFakeClock::DelayWithMessages(ms);
    if (OnDelay) OnDelay();
  }
};

class MacroRun : public ::testing::Test {
 protected:
  test::TTestHost Host;
  THookedClock Clock;
  TTourney& T = Host.T;

  void SetUp() override {
    T.Ports.Clock = &Clock;
    T.FilesFolder = "files/";
    T.Context.HostName = "Hoster";
  }
  void WriteMacros(const std::string& text) { Host.Files.Files["files/Macros.vkm"] = text; }
};

// The macros scenario pins the quoted lines and the line breaks; here a run
// goes on during its delay with the values it started with, and a stop
// during the delay ends the next run before its next line.
TEST_F(MacroRun, GeneralMacroRunsOnDuringItsDelayUntilAStop) {
  WriteMacros("[Count]\r\nLine00=\"one\"\r\nLine01=\".<DELAY:2.5>\"\r\nLine02=\"two from %h\"\r\n");
  std::vector<bool> runningDuringDelay;
  Clock.OnDelay = [&] {
    runningDuringDelay.push_back(T.Macros.Running);
    T.Context.HostName = "Changed";  // a command run during the wait
  };
  MacroClick(T, "count");
  Clock.OnDelay = [&] { Stop1Click(T); };
  MacroClick(T, "Count");
  EXPECT_EQ(Host.Screen.Posted, (std::vector<std::string>{"one", "two from Hoster", "one"}));
  EXPECT_EQ(Clock.Delays, (std::vector<uint32_t>{2050, 2050}));
  EXPECT_EQ(runningDuringDelay, (std::vector<bool>{true}));
  EXPECT_FALSE(T.Macros.StopRequested);  // the macros scenario's next run after a stop goes to its end
  EXPECT_FALSE(T.Macros.Running);
}

TEST_F(MacroRun, MacroWithoutSectionPostsNothingButLogs) {
  WriteMacros("[_Toolbar_]\r\nRules=Rules\r\n");
  MacroClick(T, "Rules");
  EXPECT_EQ(Host.LogLines().back(), "Click: Macro - \"Rules\"");
  MacroClick(T, "_toolbar_");
  EXPECT_TRUE(Host.Screen.Posted.empty());
  EXPECT_FALSE(T.Macros.Running);
}

// A stop does not end a player macro; it names its own entry, never the host window's.
TEST_F(MacroRun, PlayerMacroRunsToTheEndAndLeavesTheHostWindowsRecord) {
  WriteMacros("[Seat]\r\nLine00=\"%p boot %b\"\r\nLine01=\".<DELAY:0.50>\"\r\nLine02=\"%r\"\r\n");
  test::StartTourney(T, "t.vkr", ElimSingle);
  AddButtonClick(T, "Bob");
  const int bob = 0;
  Host.Screen.Posted.clear();
  const std::string hostWindowPlayer = T.Context.PlayerName;
  Clock.OnDelay = [&] { Stop1Click(T); };
  T.Model.SetBootStart(bob, Clock.Now() - 61.0 / 86400);
  PlayerMacroClick(T, bob, "Seat");
  EXPECT_EQ(Host.Screen.Posted, (std::vector<std::string>{"Bob boot 5:59", "Round 1"}));
  EXPECT_FALSE(T.Macros.Running);
  EXPECT_EQ(T.Context.PlayerName, hostWindowPlayer);
}

TEST(MacroFiles, SaveAsCopiesAndSwitchesOnlyWhenTheCopyWorks) {
  test::TTestHost h;
  const std::string macros = "[_Toolbar_]\r\nRules=R\r\n\r\n[Rules]\r\nLine00=\"Be nice\"\r\n\r\n";
  h.Files.Files["/m/a.vkm"] = macros;
  SetMacroFile(h.T, "/m/a.vkm");
  const auto buttons = h.T.Macros.Buttons.size();

  h.Files.FailWrites = true;
  EXPECT_FALSE(SaveMacroFileAs(h.T, "/m/b.vkm"));
  EXPECT_EQ(CurrentMacroFile(h.T), "/m/a.vkm");
  EXPECT_EQ(h.T.Macros.RecentFiles, std::vector<std::string>{"/m/a.vkm"});

  h.Files.FailWrites = false;
  h.Files.Files["/m/b.vkm"] = "[Old]\r\n";
  EXPECT_TRUE(SaveMacroFileAs(h.T, "/m/b.vkm"));
  EXPECT_EQ(h.Files.Files["/m/b.vkm"], macros);
  EXPECT_EQ(CurrentMacroFile(h.T), "/m/b.vkm");
  EXPECT_EQ(h.T.Macros.RecentFiles, (std::vector<std::string>{"/m/b.vkm", "/m/a.vkm"}));
  EXPECT_EQ(h.T.Macros.Buttons.size(), buttons);

  // A file that was never written has nothing to copy.
  SetMacroFile(h.T, "/m/new.vkm");
  EXPECT_FALSE(SaveMacroFileAs(h.T, "/m/c.vkm"));
  EXPECT_EQ(CurrentMacroFile(h.T), "/m/new.vkm");
}

}  // namespace
}  // namespace vkr
