// The format manager's list, export files and the import into the store.
#include <gtest/gtest.h>

#include "formats/FormatImport.h"
#include "formats/FormatManager.h"
#include "formats/FormatTestHost.h"
#include "formats/MessageFile.h"

namespace vkr {
namespace {

struct FormatManagerTest : ::testing::Test {
  test::TFormatTestHost H;
  TFormatManagerState Open(const std::string& current = "Fast") {
    H.Store("[Fast]\r\nWelcome=Go\r\n\r\n[Default]\r\nWelcome=no\r\n[Slow]\r\nBoot time=9\r\n");
    return LoadFormatManager(H.T, current);
  }
  std::vector<std::string> Names(const TFormatManagerState& m) {
    std::vector<std::string> names;
    for (const TFormat& f : m.Entries) names.push_back(f.Name);
    return names;
  }
  std::string StoreText() { return H.Files.Files[test::TFormatTestHost::kStore]; }
};

TEST_F(FormatManagerTest, ListsDefaultThenTheStoredFormatsAndButtonsFollowTheSelection) {
  const TFormatManagerState m = Open();
  EXPECT_EQ(Names(m), (std::vector<std::string>{"Default", "Fast", "Slow"}));
  EXPECT_EQ(m.CurrentName, "Fast");
  struct Case {
    std::vector<int> selected;
    bool edit, del, copy, exp;
  } cases[] = {
      {{}, false, false, false, false},     {{0}, false, false, true, true},
      {{1}, true, true, true, true},        {{0, 1}, false, false, false, true},
      {{1, 2}, false, true, false, true},
  };
  for (const Case& c : cases) {
    const TManagerButtons b = ManagerButtons(m, c.selected);
    EXPECT_EQ(std::vector<bool>({b.Edit, b.Delete, b.Copy, b.Export}), std::vector<bool>({c.edit, c.del, c.copy, c.exp}))
        << c.selected.size();
  }
}

TEST_F(FormatManagerTest, CopiesTakeAFreeNameAndDefaultIsCopiedWhole) {
  TFormatManagerState m = Open();
  for (const char* name : {"Copy of Fast", "Copy of Fast 1", "Copy of Fast 2"}) {
    EXPECT_EQ(m.Entries[static_cast<size_t>(CopyFormat(m, 1))].Name, name);
  }
  const int copy = CopyFormat(m, 0);
  EXPECT_EQ(m.Entries[static_cast<size_t>(copy)].Name, "Copy of Default");
  EXPECT_EQ(m.Entries[static_cast<size_t>(copy)].Lines.size(), 27u);
  EXPECT_EQ(CopyFormat(m, 99), -1);
}

TEST_F(FormatManagerTest, EditingAndDeletingCarryTheCurrentName) {
  TFormatManagerState m = Open("FAST");
  ReplaceFormat(m, 1, TFormat{"Quick", {"Welcome=Go"}});
  EXPECT_EQ(m.CurrentName, "Quick");
  ReplaceFormat(m, 2, TFormat{"Slower", {}});
  EXPECT_EQ(m.CurrentName, "Quick");
  DeleteFormats(m, {0, 2});  // "Default" is never deleted
  EXPECT_EQ(Names(m), (std::vector<std::string>{"Default", "Quick"}));
  EXPECT_EQ(m.CurrentName, "Quick");
  DeleteFormats(m, {1, 7});
  EXPECT_EQ(m.CurrentName, "");
  AddFormat(m, TFormat{"Added", {"Boot time=3"}});
  ASSERT_TRUE(SaveFormatManager(H.T, m));
  EXPECT_EQ(StoreText(), "[Added]\r\nBoot time=3\r\n\r\n");
}

TEST_F(FormatManagerTest, ExportWritesOrAppendsTheSelectedFormats) {
  const TFormatManagerState m = Open();
  const std::string text = ExportText(m, {2, 1});
  EXPECT_EQ(text, "[Slow]\r\nBoot time=9\r\n\r\n[Fast]\r\nWelcome=Go\r\n\r\n");
  H.Files.Files["out.vkrf"] = "[Old]\r\nWelcome=x";  // no line end at its end
  ASSERT_TRUE(WriteExport(H.Files, "out.vkrf", text, true));
  EXPECT_EQ(H.Files.Files["out.vkrf"], "[Old]\r\nWelcome=x\r\n" + text);
  ASSERT_TRUE(WriteExport(H.Files, "out.vkrf", text, false));
  EXPECT_EQ(H.Files.Files["out.vkrf"], text);
  H.Files.FailWrites = true;
  EXPECT_FALSE(WriteExport(H.Files, "out.vkrf", text, true));
}

struct Scripted {
  std::vector<std::pair<TImportAnswer, std::string>> Answers;  // answer, and the name typed for Rename
  std::vector<std::string> Asked;                               // label: proposed name
  TImportQuestion Ask() {
    return [this](const std::string& label, std::string& name) {
      Asked.push_back(label + " " + name);
      auto [answer, typed] = Answers.at(Asked.size() - 1);
      if (!typed.empty()) name = typed;
      return answer;
    };
  }
};

TEST_F(FormatManagerTest, ImportReadsEverySectionOfEveryFileAndSkipsUnreadableFiles) {
  H.Files.Files["in/a.vkrf"] = "junk\r\n[Fast]\r\nWelcome=A\r\n[xy\r\nBoot time=1\r\n[Fast]\r\nlost=1\r\n";
  H.Files.Files["in/b.more.vkrf"] = "[Zed]\r\n";
  const std::vector<TImportRow> rows = ReadImportRows(H.Files, {"in/a.vkrf", "in/missing.vkrf", "in/b.more.vkrf"});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Name + "|" + rows[0].FileName + "|" + rows[0].Lines.at(0), "Fast|a|Welcome=A");
  EXPECT_EQ(rows[1].Name + "|" + rows[1].Lines.at(0), "xy|Boot time=1");  // a header without "]"
  EXPECT_EQ(rows[2].FileName, "b.more");
}

TEST_F(FormatManagerTest, ImportAsksAboutTakenNamesAndFollowsTheAnswer) {
  Open();
  std::vector<TImportRow> rows = {
      {"New", "f", {"Welcome=N"}, true},   {"Fast", "f", {"Welcome=R"}, true}, {"slow", "f", {"Welcome=O"}, true},
      {"Fast", "f", {"Welcome=S"}, true},  {"Off", "f", {"Welcome=U"}, false}, {"Default", "f", {"Welcome=D"}, true},
  };
  Scripted s;
  s.Answers = {{TImportAnswer::Rename, ""}, {TImportAnswer::Overwrite, ""}, {TImportAnswer::Skip, ""},
               {TImportAnswer::Rename, "Mine"}};
  ASSERT_EQ(MergeImport(H.T, rows, s.Ask()), TImportResult::Merged);
  EXPECT_EQ(s.Asked, (std::vector<std::string>{"\"Fast\" already exists! Fast (2)", "\"slow\" already exists! slow (2)",
                                               "\"Fast\" already exists! Fast (3)",
                                               "\"Default\" already exists! Default (2)"}));
  TMessageFile store(H.Files, test::TFormatTestHost::kStore);
  store.Load();
  std::vector<std::string> names;
  for (int i = 0; i < store.SectionCount(); ++i) names.push_back(store.SectionName(i) + "=" + store.SectionLines(i).at(0));
  EXPECT_EQ(names, (std::vector<std::string>{"Fast=Welcome=Go", "Slow=Welcome=O", "New=Welcome=N",
                                             "Fast (2)=Welcome=R", "Mine=Welcome=D"}));
}

TEST_F(FormatManagerTest, ImportCancelWritesNothingAndUnstorableRenamesAreAskedAgain) {
  Open();
  const std::string before = StoreText();
  Scripted cancel;
  cancel.Answers = {{TImportAnswer::Cancel, ""}};
  EXPECT_EQ(MergeImport(H.T, {{"New", "f", {}, true}, {"Fast", "f", {}, true}}, cancel.Ask()), TImportResult::Cancelled);
  EXPECT_EQ(StoreText(), before);
  EXPECT_EQ(H.Files.Files.count("files/Tourney Formats.bak"), 0u);

  Scripted retry;
  retry.Answers = {{TImportAnswer::Rename, "a]b"}, {TImportAnswer::Rename, "Default"}, {TImportAnswer::Rename, "Ok"}};
  ASSERT_EQ(MergeImport(H.T, {{"Fast]", "f", {"Welcome=B"}, true}}, retry.Ask()), TImportResult::Merged);
  H.Files.FailWrites = true;
  Scripted none;
  EXPECT_EQ(MergeImport(H.T, {{"Other", "f", {}, true}}, none.Ask()), TImportResult::WriteFailed);
  EXPECT_EQ(retry.Asked.size(), 3u);
  EXPECT_EQ(retry.Asked[0], "\"Fast]\" already exists! Fast (2)");
  TMessageFile store(H.Files, test::TFormatTestHost::kStore);
  store.Load();
  ASSERT_NE(store.FindSection("Ok"), nullptr);
}

}  // namespace
}  // namespace vkr
