// The format editor's working copy: keys written and removed as fields
// change, the match-points item, the per-round lists, messages and the name.
#include <gtest/gtest.h>

#include "formats/FormatEditing.h"
#include "formats/FormatTestHost.h"
#include "formats/PointsList.h"
#include "formats/SizePoints.h"

namespace vkr {
namespace {

TPointsList L(const char* text) { return TextToList(text); }

TEST(FormatEditingTest, SettingAKeyReplacesItsFirstLineDropsRepeatsAndEmptyRemovesIt) {
  struct Case {
    TFormatLines before;
    const char* key;
    const char* value;
    TFormatLines after;
  } cases[] = {
      {{"Welcome=Hi", "Boot time=5"}, "boot TIME", "9", {"Welcome=Hi", "boot TIME=9"}},
      {{"Host name=A", "x", "host name=B"}, "Host name", "C", {"Host name=C", "x"}},
      {{"Welcome=Hi"}, "Start time", "8pm", {"Welcome=Hi", "Start time=8pm"}},
      {{"Host name=A", "Welcome=Hi", "HOST NAME=B"}, "Host name", "", {"Welcome=Hi"}},
      {{"Welcome=a=b"}, "Welcome", "c=d", {"Welcome=c=d"}},
  };
  for (Case& c : cases) {
    SetFormatKey(c.before, c.key, c.value);
    EXPECT_EQ(c.before, c.after) << c.key;
  }
  EXPECT_EQ(FormatKeyValue({"A=1", "a=2"}, "a"), "1");
  EXPECT_EQ(FormatKeyValue({"A=1"}, "B"), "");
}

TEST(FormatEditingTest, MatchPointsItemFollowsPointsAndElim) {
  const std::string p0 = ListToText(PointsPresets[0]), p1 = ListToText(PointsPresets[1]),
                    p2 = ListToText(PointsPresets[2]);
  struct Case {
    TFormatLines lines;
    int item;
  } cases[] = {
      {{"Points=" + p2, "Elim=1"}, 2}, {{"Points=" + p1, "Elim=2"}, 6}, {{"Points=" + p0, "Elim=3"}, 7},
      {{"Points=" + p2, "Elim=2"}, kMatchPointsOtherItem},  // only 1 and 2 points exist for double
      {{"Points=" + p1, "Elim=3"}, kMatchPointsOtherItem}, {{"Points=" + p0}, kMatchPointsOtherItem},
      {{"Points=2,7", "Elim=1"}, kMatchPointsOtherItem},    {{}, kMatchPointsOtherItem},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchPointsItemOf(c.lines), c.item) << c.lines.front();
  for (int item = 0; item < kMatchPointsOtherItem; ++item) {
    TFormatLines lines{"Points8to16=1"};
    ChooseMatchPointsItem(lines, item);
    EXPECT_EQ(MatchPointsItemOf(lines), item);
  }
  TFormatLines lines;
  ChooseMatchPointsItem(lines, 0);
  EXPECT_EQ(lines, (TFormatLines{"Points=1,1,1,1,1,1,1,1,1,1,1,1,1,1,3", "Elim=1"}));
}

TEST(FormatEditingTest, TheArrangementReadsEitherPointsOrTheSizeKeysAndWritesOnlyOneKind) {
  TMatchPointsArrangement a = ArrangementOfFormat({"Points=2,7", "Elim=R"});
  EXPECT_TRUE(a.SameForAll);
  EXPECT_EQ(a.Elim, kArrangementRoundRobin);
  EXPECT_EQ(a.Lists[4], L("2,7"));
  a = ArrangementOfFormat({"Points=2,7", "Points8to16=", "Points65to128=4"});
  EXPECT_FALSE(a.SameForAll);
  EXPECT_EQ(a.Lists[0], TPointsList{});
  EXPECT_EQ(a.Lists[3], L("4,0,0,0,0,0,0,0,0,0,0,0,0,0,0"));

  // The editor's dialog test writes the size keys in place of "Points"; one
  // list for all sizes writes "Points" in place of the size keys.
  TFormatLines lines{"Points8to16=1", "Elim=2", "Welcome=Hi"};
  SetSameForAll(a, true);
  a.Elim = kArrangementRoundRobin;
  WriteArrangement(lines, a);
  EXPECT_EQ(lines, (TFormatLines{"Elim=R", "Welcome=Hi", "Points=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"}));
}

TEST(FormatEditingTest, ListsAndValuesFallBackWhenTheirKeysAreMissing) {
  EXPECT_EQ(TimeLimitsOfFormat({}), L("45,45,45,45,45,45,45,45,45,45,45,45,45,45,60"));
  EXPECT_EQ(TimeLimitsOfFormat({"Match time limits=0"}), TPointsList{});
  const TPointsList defaults = L("5,6");
  EXPECT_EQ(StartTablesOfFormat({}, defaults), defaults);
  EXPECT_EQ(StartTablesOfFormat({"Starting tables=7,8"}, defaults), L("7,8"));
  EXPECT_EQ(BootTimeOfFormat({"Boot time=x"}), 7);
  EXPECT_EQ(BootTimeOfFormat({"Boot time=12"}), 12);

  // Applying a format reads the player points the same way (its test holds the defaults).
  const TFormatLines stored{"Lose points=1", "1st place points=-10", "FirstMatchWin points=4"};
  TPlayerPointsSettings pp = PlayerPointsOfFormat(TFormatValues(stored));
  EXPECT_EQ(pp.Lose, L("1"));
  TFormatLines written;
  WritePlayerPoints(written, pp);
  EXPECT_EQ(written.size(), 13u);
  const TPlayerPointsSettings back = PlayerPointsOfFormat(TFormatValues(written));
  EXPECT_EQ(back.Lose, pp.Lose);
  EXPECT_EQ(back.FirstPlace, -10);
  EXPECT_EQ(back.FirstMatchWin, 4);
}

TEST(FormatEditingTest, MessagesShowLineBreaksAndTheAutoPostMarker) {
  struct Case {
    const char* stored;
    const char* text;
    bool noAutoPost;
  } cases[] = {{"a%cb", "a\nb", false}, {"%!Hi", "Hi", true}, {"x%!y", "x%!y", false}, {"%!", "", true}, {"", "", false}};
  for (const Case& c : cases) {
    const TEditedMessage m = DecodeMessage(c.stored);
    EXPECT_EQ(m.Text, c.text);
    EXPECT_EQ(m.NoAutoPost, c.noAutoPost);
    EXPECT_EQ(EncodeMessage(m), c.stored);
  }
  EXPECT_EQ(EncodeMessage({"a\r\nb\nc", true}), "%!a%cb%cc");
}

TEST(FormatEditingTest, TheSampleUsesTheFormatsHostsTimesAndLists) {
  test::TFormatTestHost h;
  const TFormatLines lines{"Host name=Hal", "Start time=8pm", "Boot time=3", "Points=2,9", "Match time limits=30,40"};
  EXPECT_EQ(SampleMessage(h.T, lines, "%!%p vs %o at %t%c%h %s %b %m %d"), "<Player> vs <Opp> at 50\nHal 8pm 3:00 9 40");
}

TEST(FormatEditingTest, TheNameMustBeGivenFreeAndStorable) {
  const std::vector<TFormat> others{{"Default", {}}, {"Fast", {}}, {"Slow", {}}};
  struct Case {
    const char* name;
    const char* openedWith;
    const char* warning;
  } cases[] = {
      // The editor's dialog test refuses "slow" and takes "FAST" for the format "Fast".
      {"", "Fast", "Please enter a name for the format"},
      {"DEFAULT", "", "A format of that name already exists, please select another name"},
      {"New", "Fast", ""},
      {"a]b", "", "A format name cannot contain the character ]"},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckFormatName(c.name, c.openedWith, others), c.warning) << c.name;
}

}  // namespace
}  // namespace vkr
