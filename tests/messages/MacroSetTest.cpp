#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "messages/MacroEdit.h"
#include "messages/MacroSet.h"

namespace vkr {
namespace {

using namespace std::string_literals;
using test::TMemoryFileSystem;

const std::string kFile = "Macros.vkm";

TMacroEdit Edit(const std::string& name, std::vector<std::string> lines, const std::string& hotKey = "",
                const std::string& caption = "", bool toolbar = false) {
  return TMacroEdit{name, std::move(lines), hotKey, toolbar || !caption.empty(), caption};
}

TMacroSet Loaded(TMemoryFileSystem& files) {
  TMacroSet set;
  set.Load(files, kFile);
  return set;
}

std::vector<std::string> Names(const TMacroSet& set) {
  std::vector<std::string> names;
  for (const TMacro& m : set.Macros) names.push_back(m.Name);
  return names;
}

TEST(MacroSet, SavedFileHasToolbarHotKeysAndQuotedLinesInMacroOrderAndReadsBack) {
  TMemoryFileSystem files;
  TMacroSet set;
  set.Add(Edit("Bye", {"Bye all"}, "", "B"));
  set.Add(Edit("Gone", {"g"}, "F2", "G"));
  set.Add(Edit("Rules", {"  No cheating  ", "say \"gg\""}, "Ctrl+F5", "R"));
  set.Delete(1);  // its button and hot-key go with it
  set.Move(1, 0);
  ASSERT_TRUE(set.Save(files, kFile));
  EXPECT_EQ(files.Files[kFile],
            "[_Toolbar_]\r\nRules=R\r\nBye=B\r\n\r\n[_HotKeys_]\r\nRules=Ctrl+F5\r\n\r\n"
            "[Rules]\r\nLine00=\"  No cheating  \"\r\nLine01=\"say \"\"gg\"\"\"\r\n\r\n"
            "[Bye]\r\nLine00=\"Bye all\"\r\n\r\n");
  EXPECT_EQ(files.Files.count("Macros.~vkm"), 0u);  // nothing to keep the first time

  TMacroSet back = Loaded(files);
  EXPECT_EQ(Names(back), (std::vector<std::string>{"Rules", "Bye"}));
  EXPECT_EQ(back.Macros[0].Lines, (std::vector<std::string>{"  No cheating  ", "say \"gg\""}));
  EXPECT_EQ(back.EditOf(0).Caption, "R");
  EXPECT_EQ(back.EditOf(0).HotKey, "Ctrl+F5");

  const std::string first = files.Files[kFile];
  ASSERT_TRUE(back.Save(files, kFile));
  EXPECT_EQ(files.Files["Macros.~vkm"], first);
}

TEST(MacroSet, CopiesAndRenamesCarryNoStaleEntries) {
  TMacroSet set;
  set.Add(Edit("Rules", {"x"}, "F5", "Rules"));
  set.Copy(0);
  set.Copy(0);
  EXPECT_EQ(Names(set), (std::vector<std::string>{"Rules", "Copy of Rules", "Copy of Rules 1"}));
  EXPECT_EQ(set.Toolbar, (std::vector<std::string>{"Rules=Rules"}));
  EXPECT_EQ(set.HotKeys, (std::vector<std::string>{"Rules=F5"}));
  TMacroEdit edit = set.EditOf(0);
  edit.Name = "New";
  set.Replace(0, edit);
  EXPECT_EQ(set.Toolbar, (std::vector<std::string>{"New=Rules"}));
  EXPECT_EQ(set.HotKeys, (std::vector<std::string>{"New=F5"}));
  set.Delete(0);  // a deleted macro's hot-key does not pass to a later macro of its name
  set.Add(Edit("New", {"y"}));
  EXPECT_EQ(set.HotKey("New"), "");
  set.Add(Edit("b", {}));
  set.Move(0, -1);  // "Up" on the first does nothing
  set.Sort();
  EXPECT_EQ(Names(set), (std::vector<std::string>{"b", "Copy of Rules", "Copy of Rules 1", "New"}));
}

TEST(MacroSet, OlderToolbarLayoutIsReadAndRewritten) {
  TMemoryFileSystem files;
  files.Files[kFile] = "[_toolbar_]\r\nLine00=Rules\r\nLine01=Gone\r\n[Rules]\r\nLine00=\"Be nice\"\r\n";
  TMacroSet set = Loaded(files);  // the macros scenario shows the buttons read
  ASSERT_TRUE(set.Save(files, kFile));
  EXPECT_NE(files.Files[kFile].find("[_Toolbar_]\r\nRules=Rules\r\n\r\n"), std::string::npos);

  // A macro whose name merely begins with "Line" is no older layout.
  files.Files[kFile] = "[_Toolbar_]\r\nLineup=Teams\r\n[Lineup]\r\nLine00=\"a\"\r\n";
  EXPECT_EQ(Loaded(files).Toolbar, (std::vector<std::string>{"Lineup=Teams"}));
}

TEST(MacroSet, OddFilesLoadWithoutHarm) {
  TMemoryFileSystem files;
  files.Files[kFile] = "no sections at all\r\nLine00=\"x\"\r\n";
  EXPECT_TRUE(Loaded(files).Macros.empty());

  files.Files[kFile] = "[]x\r\nLine00=\"e\"\r\n[A]\r\nno equals here\r\nLine00=\"open\r\nLine01=\"nul\0byte\"\r\n[_HOTKEYS_]\r\nxyz\r\n"s +
                       "[B]\r\nLine00=\"" + std::string(1 << 20, 'z') + "\"\r\n";
  TMacroSet odd = Loaded(files);
  ASSERT_EQ(Names(odd), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(odd.Macros[0].Lines, (std::vector<std::string>{"open", "nul\0byte"s}));
  EXPECT_EQ(odd.Macros[1].Lines.at(0).size(), 1u << 20);
  EXPECT_EQ(odd.HotKeys, (std::vector<std::string>{"xyz"}));  // taken as it stands
}

class MacroEditCheck : public ::testing::Test {
 protected:
  TMacroSet Set;
  void SetUp() override {
    Set.Add(Edit("Rules", {"Be nice"}, "Ctrl+F5", "Rules!"));
    Set.Add(Edit("Hello", {"Hi all"}));
  }
  TMacroEditCheck Check(int editing, TMacroEdit& edit) { return ValidateMacroEdit(Set, editing, edit); }
};

// The editor dialog shows these messages one after another; here: the field
// each points at, and what a valid edit is tidied to.
TEST_F(MacroEditCheck, EachRefusalNamesItsFieldAndAValidEditIsTidied) {
  TMacroEdit edit = Edit("  ", {"x"}, "Ctrl+F5", "Rules!");
  EXPECT_EQ(Check(-1, edit).Message, "No name has been entered for the macro. Please enter a name for the macro.");
  edit.Name = "rules";
  EXPECT_EQ(Check(1, edit).Field, TMacroField::Name);
  edit.Name = "Other";
  edit.HotKey = "ctrl+f6";
  EXPECT_EQ(Check(1, edit).Field, TMacroField::Caption);
  edit.Caption = "  ";
  EXPECT_EQ(Check(1, edit).Message, "");
  EXPECT_EQ(edit.Caption, "Other");
  EXPECT_EQ(edit.HotKey, "Ctrl+F6");
  edit = Set.EditOf(0);  // the edited macro may keep its own name, hot-key and caption
  edit.Name = " RULES ";
  EXPECT_EQ(Check(0, edit).Message, "");
  EXPECT_EQ(edit.Name, "RULES");
}

TEST_F(MacroEditCheck, NamesThatTheFileCannotHoldAreRefused) {
  for (const char* name : {"a]b", "a=b", "_toolbar_", "_HotKeys_", "tab\there"}) {
    TMacroEdit edit = Edit(name, {"x"});
    EXPECT_EQ(Check(-1, edit).Message,
              "A macro name cannot contain ] or = or control characters, nor be _Toolbar_ or _HotKeys_. Please "
              "alter the name.")
        << name;
  }
  TMacroEdit edit = Edit("Fine [1", {"one\r\ntwo", ""}, "Bogus+K", "bad\ncap");
  EXPECT_EQ(Check(-1, edit).Message, "A toolbar name cannot contain control characters. Please enter another name.");
  edit.Caption = "ok";
  EXPECT_EQ(Check(-1, edit).Message, "");
  EXPECT_EQ(edit.Lines, (std::vector<std::string>{"one", "two", ""}));
  EXPECT_EQ(edit.HotKey, "");
}

}  // namespace
}  // namespace vkr
