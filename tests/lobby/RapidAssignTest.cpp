// Rapid assign over a fake folder watch and a simulated lobby client: the
// host's friends list is saved, watched, cleared and always put back.
#include <gtest/gtest.h>

#include <climits>

#include "engine/Confirm.h"
#include "lobby/FolderWatchPort.h"
#include "lobby/FriendsList.h"
#include "lobby/RapidAssign.h"
#include "lobby/RapidAssignMenu.h"
#include "sim/SimLobby.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

const std::string kRoot = "/zone/Favorites/";
const std::string kList = kRoot + "Alice/Friends.txt";
const std::string kCopy = kRoot + "Alice/Friends.bak";
const std::string kOriginal = "[Options]\r\nSound=1\r\n[Friends]\r\nBob\r\n\r\nCleo\r\n[Ignore]\r\nMallory\r\n";

class TFakeFolderWatch : public TFolderWatchPort {
 public:
  std::string File;
  std::function<void()> Changed;
  std::map<std::string, S> Folders;
  void Watch(const std::string& file, std::function<void()> changed) override {
    File = file;
    Changed = std::move(changed);
  }
  void Unwatch() override {
    File.clear();
    Changed = nullptr;
  }
  S Subfolders(const std::string& folder) override { return Folders[folder]; }
};

// A disk that takes no more changes after a number of them, as when the
// program is killed: what was written stays, nothing more happens.
struct TKilled {};
class TDyingFileSystem : public TMemoryFileSystem {
 public:
  int ChangesLeft = INT_MAX;
  TMemoryFileSystem* ActionLog = nullptr;  // where the action log goes
  bool AppendWriteThrough(const std::string& path, std::string_view bytes) override {
    return ActionLog->AppendWriteThrough(path, bytes);
  }
  bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) override {
    Spend();
    return TMemoryFileSystem::WriteFileAtomic(path, bytes, flush);
  }
  bool CopyFile(const std::string& from, const std::string& to) override {
    Spend();
    return TMemoryFileSystem::CopyFile(from, to);
  }
  bool DeleteFile(const std::string& path) override {
    Spend();
    return TMemoryFileSystem::DeleteFile(path);
  }

 private:
  void Spend() {
    if (ChangesLeft-- == 0) throw TKilled{};
  }
};

struct TRapidHost : TEngineHost {
  TDyingFileSystem Disk;
  TSimLobby Sim{[this] { return Clipboard.Ansi; }};
  TFakeFolderWatch Watch;
  TWindowHandle Client = 0;

  explicit TRapidHost(const std::map<std::string, std::string>& files = {{kList, kOriginal}}) {
    Disk.Files = files;
    Disk.ActionLog = &Files;
    T.Ports.Files = &Disk;
    T.Ports.Windows = &Sim;
    T.Ports.FolderWatch = &Watch;
    T.RapidAssign.FavoritesRoot = kRoot;
    Watch.Folders[kRoot] = {"Alice", "Zed"};
    Client = Sim.AddWindow(0, "ZoneClient", "Zone - Alice", 100);
    Mark();
  }
  // The lobby client rewrites the list.
  void ClientWrites(const S& names) {
    Disk.Files[kList] = FriendsFileText(names);
    ASSERT_TRUE(Watch.Changed);
    auto changed = Watch.Changed;
    changed();
  }
  S Players() const {
    S names;
    for (int i = 0; i < T.Model.PlayerCount(); ++i) names.push_back(T.Model.Player(i).Name);
    return names;
  }
};

// Switched on by the menu item or by the new-tournament dialog's choice, in
// its mode (only the add mode offers to clear the list), the list is saved
// and watched; kept names are written back as the section alone when one
// leaves; switched off, the list is put back as it was.
TEST(RapidAssign, OnByMenuOrNewTourneyChoiceAndOffPutsTheListBackAsItWas) {
  using TChoice = TRapidAssignChoice;
  const struct {
    const char* Why;
    std::function<void(TTourney&, bool)> Switch;
    bool AddMode;
  } cases[] = {
      {"menu", [](TTourney& t, bool) { RapidAssignItemClick(t); }, true},
      {"added", [](TTourney& t, bool on) { ApplyNewTourneyRapidAssign(t, on ? TChoice::AddedToFriends : TChoice::NotUsed); },
       true},
      {"removed",
       [](TTourney& t, bool on) { ApplyNewTourneyRapidAssign(t, on ? TChoice::RemovedFromFriends : TChoice::NotUsed); },
       false},
  };
  for (const auto& c : cases) {
    TRapidHost h;
    h.Screen.Answers = {true};
    c.Switch(h.T, true);
    EXPECT_TRUE(h.T.RapidAssign.Active) << c.Why;
    EXPECT_EQ(h.T.RapidAssign.AddMode, c.AddMode) << c.Why;
    EXPECT_EQ(h.Watch.File, kList) << c.Why;
    EXPECT_EQ(h.Disk.Files[kCopy], kOriginal) << c.Why;
    const S asked = {"ask: There are names in the ZoneFriends list, do you want to clear them?\r\nThey will be "
                     "restored when the tournament is closed. -> yes"};
    EXPECT_EQ(h.Events(), c.AddMode ? asked : S{}) << c.Why;
    EXPECT_EQ(h.T.ClearFriendsDefault, c.AddMode) << c.Why;
    RemoveFriend(h.T, "BOB");
    EXPECT_EQ(h.Disk.Files[kList], c.AddMode ? "[Friends]\r\n" : "[Friends]\r\nCleo\r\n") << c.Why;

    c.Switch(h.T, false);
    EXPECT_FALSE(h.T.RapidAssign.Active) << c.Why;
    EXPECT_EQ(h.Disk.Files[kList], kOriginal) << c.Why;
    EXPECT_EQ(h.Disk.Files.count(kCopy), 0u) << c.Why;
    EXPECT_TRUE(h.Watch.File.empty()) << c.Why;
  }
}

TEST(RapidAssign, NamesSignUpAsAddedOrAsRemovedByTheMode) {
  struct TCase {
    bool AddMode;
    S AfterAdding, AfterRemoving;
  } cases[] = {{true, {"Carol"}, {"Carol"}}, {false, {}, {"carol"}}};
  for (const TCase& c : cases) {
    TRapidHost h({{kList, "[Friends]\r\n"}});
    if (!c.AddMode) RapidAssignModeRemoveItemClick(h.T);
    RapidAssignItemClick(h.T);
    h.Mark();
    h.ClientWrites({"Carol"});
    EXPECT_EQ(h.Players(), c.AfterAdding);
    h.ClientWrites({"carol"});  // another case is the same name: nothing happens
    h.ClientWrites({});
    EXPECT_EQ(h.Players(), c.AfterRemoving);
    S events;
    for (const std::string& line : h.Log()) {
      if (line.rfind("Event: ", 0) == 0) events.push_back(line);
    }
    EXPECT_EQ(events, (S{"Event: RapidAssign player added = Carol", "Event: RapidAssign player removed = carol"}));
  }
}

// A screen on which something happens while a line is being posted.
struct THookScreen : TFakeScreen {
  std::function<void()> During;
  void LinePosted(const std::string& text) override {
    TFakeScreen::LinePosted(text);
    if (!During) return;
    auto during = std::move(During);
    During = nullptr;
    during();
  }
};

TEST(RapidAssign, AChangeWhileANameSignsUpIsHandledAfterIt) {
  TRapidHost h({{kList, "[Friends]\r\n"}});
  THookScreen screen;
  h.T.Ports.Screen = &screen;
  RapidAssignItemClick(h.T);
  screen.During = [&] { h.ClientWrites({"Carol", "Dan"}); };
  h.ClientWrites({"Carol"});
  EXPECT_EQ(h.Players(), (S{"Carol", "Dan"}));
  EXPECT_FALSE(h.T.RapidAssign.Busy);
}

TEST(RapidAssign, AnUnreadableListChangesNothingAndSaysSo) {
  TRapidHost h({{kList, "[Friends]\r\nBob\r\n"}});
  h.Screen.DefaultAnswer = false;  // the list is kept
  RapidAssignItemClick(h.T);
  h.Disk.Files.erase(kList);
  h.Mark();
  auto changed = h.Watch.Changed;
  changed();
  EXPECT_EQ(h.T.RapidAssign.Names, S{"Bob"});
  EXPECT_EQ(h.Players(), S{});
  EXPECT_EQ(h.Events(), S{"error: Error reading ZoneFriends list: \r\n\r\nThe system cannot find the file specified."});
  EXPECT_EQ(h.Clock.Delays, (std::vector<uint32_t>(7, 10)));  // eight tries, 10 ms apart
  EXPECT_EQ(h.Log(), S{});
}

TEST(RapidAssign, ItStaysOffWithoutFolderNameOrCopy) {
  struct TCase {
    const char* Why;
    std::string Root, Title;
    bool FailWrites;
    S Events;
  } cases[] = {
      {"no folder", "", "Zone - Alice", false, {}},
      {"no name in the client's title", kRoot, "Zone", false, {}},
      {"a name that is no folder", kRoot, "Zone - ../etc", false, {}},
      {"the copy cannot be written", kRoot, "Zone - Alice", true,
       {"error: Could not save a copy of the ZoneFriends list, so Rapid-Assign stays off."}},
  };
  for (const TCase& c : cases) {
    TRapidHost h;
    h.T.RapidAssign.FavoritesRoot = c.Root;
    h.Sim.DestroyWindow(h.Client);
    h.Sim.AddWindow(0, "ZoneClient", c.Title, 100);
    h.Disk.FailWrites = c.FailWrites;
    RapidAssignItemClick(h.T);
    EXPECT_FALSE(h.T.RapidAssign.Active) << c.Why;
    EXPECT_EQ(h.Events(), c.Events) << c.Why;
    EXPECT_EQ(h.Disk.Files[kList], kOriginal) << c.Why;
    EXPECT_EQ(h.Disk.Files.count(kCopy), 0u) << c.Why;
    EXPECT_TRUE(h.Watch.File.empty()) << c.Why;
  }
}

TEST(RapidAssign, AChangedOrClosedClientEndsItAndRestores) {
  for (const char* title : {"Zone - Bob", ""}) {
    TRapidHost h;
    h.Screen.Answers = {true};
    RapidAssignItemClick(h.T);
    RapidAssignNickCheck(h.T);
    EXPECT_TRUE(h.T.RapidAssign.Active);
    h.Sim.DestroyWindow(h.Client);
    if (*title != 0) h.Sim.AddWindow(0, "ZoneClient", title, 100);
    h.Mark();
    RapidAssignNickCheck(h.T);
    EXPECT_FALSE(h.T.RapidAssign.Active);
    EXPECT_EQ(h.Disk.Files[kList], kOriginal);
    EXPECT_EQ(h.Log(), S{"Event: RapidAssign deactivated"});
    EXPECT_EQ(h.Events(), S{"notice: The ZoneFriends name has changed. Restoring the original names and "
                            "deactivating Rapid-Assign."});
  }
}

// Whatever change to the disk is the last one before the program dies, the
// search for unrestored lists afterwards gives the host's list back; so does
// switching it on and off again, which keeps a copy left by the earlier run.
TEST(RapidAssign, KilledAtAnyPointTheHostsListCanBeRestored) {
  int killedRuns = 0;
  for (int changes = 0;; ++changes) {
    std::map<std::string, std::string> disk;
    bool killed = false;
    {
      TRapidHost h;
      h.Disk.ChangesLeft = changes;
      try {
        h.Screen.Answers = {true};
        RapidAssignItemClick(h.T);
        h.ClientWrites({"Carol", "Dan"});
        RemoveFriend(h.T, "Carol");
        h.ClientWrites({"Dan", "Erin"});
        RapidAssignItemClick(h.T);
      } catch (const TKilled&) {
        killed = true;
      }
      disk = h.Disk.Files;
      if (!killed) {
        EXPECT_EQ(h.Players(), (S{"Carol", "Dan", "Erin"}));
      }
    }
    TRapidHost after(disk);
    if (changes % 2 == 0) {
      for (const std::string& nick : FindUnrestored(after.T)) RestoreFriends(after.T, nick);
    } else {
      after.Screen.DefaultAnswer = false;
      RapidAssignItemClick(after.T);
      RapidAssignItemClick(after.T);
    }
    EXPECT_EQ(after.Disk.Files[kList], kOriginal) << "killed after " << changes << " changes";
    EXPECT_EQ(after.Disk.Files.count(kCopy), 0u) << "killed after " << changes << " changes";
    if (!killed) break;
    ++killedRuns;
  }
  EXPECT_GE(killedRuns, 6);  // the copy, the clear, the sign-ups' saves, the removal, the restore
}

}  // namespace
}  // namespace vkr::test
