// The rules behind the per-round settings dialogs: what each field accepts,
// how the lists stay in step, and what OK changes. That OK reaches the file
// is the dialog tests' part (they reopen the saved tournament).
#include <gtest/gtest.h>

#include "formats/MatchPointsArrangement.h"
#include "formats/PlayerPointsDraft.h"
#include "formats/PointsList.h"
#include "formats/StartTables.h"
#include "formats/TimeSettings.h"
#include "fakes/FakeSettings.h"
#include "support/TourneyHost.h"

namespace vkr {
namespace {

TPointsList L(const char* text) { return TextToList(text); }

TEST(MatchPointsArrangementTest, RowEditsReachOneOrAllSizeListsAndHoldTheRange) {
  std::array<TPointsList, kSizeLists> lists;
  lists.fill(PointsPresets[1]);
  struct Case {
    bool same;
    int size, row;
    int32_t typed;
    std::array<int32_t, kSizeLists> expectRow;  // the row in each list afterwards
  } cases[] = {
      {true, 2, 13, 9, {9, 9, 9, 9, 9}},       // the box writes every list
      {true, 0, 14, 101, {100, 100, 100, 100, 100}},  // held at 100
      {false, 4, 0, -3, {2, 2, 2, 2, 0}},      // held at 0
      {false, 0, 15, 9, {5, 5, 5, 5, 5}},      // no such row: nothing changes (row 14 shown)
  };
  for (const Case& c : cases) {
    TMatchPointsArrangement a = OpenArrangement(lists, ElimSingle);
    ASSERT_TRUE(a.SameForAll);
    a.SameForAll = c.same;
    SelectSize(a, c.size);
    SetRowPoints(a, c.row, c.typed);
    const size_t shownRow = c.row < kPointsRows ? static_cast<size_t>(c.row) : 14;
    for (size_t k = 0; k < kSizeLists; ++k) EXPECT_EQ(a.Lists[k][shownRow], c.expectRow[k]) << c.row << " list " << k;
  }
}

TEST(MatchPointsArrangementTest, TheBoxOpensCheckedOnlyForEqualListsAndCheckingCopiesTheShownList) {
  std::array<TPointsList, kSizeLists> lists;
  lists.fill(PointsPresets[0]);
  lists[3][7] = 4;
  TMatchPointsArrangement a = OpenArrangement(lists, ElimDouble);
  EXPECT_FALSE(a.SameForAll);
  SelectSize(a, 3);
  SelectSize(a, 7);  // no such size
  EXPECT_EQ(a.SizeIndex, 3);
  SetSameForAll(a, true);
  for (const TPointsList& list : a.Lists) EXPECT_EQ(list[7], 4);
}

TEST(MatchPointsArrangementTest, RoundRowsAreEnabledAsFarAsTheTypeAndSizeReach) {
  struct Case {
    int elim;
    bool same;
    int size;
    int lastEnabledRound;  // rounds 3.. up to this one are enabled
  } cases[] = {
      {ElimSingle, true, 0, 6}, {ElimDouble, true, 0, 10}, {ElimTriple, true, 0, 13},
      {ElimSingle, false, 0, 2}, {ElimSingle, false, 4, 6}, {ElimDouble, false, 2, 8},
  };
  for (const Case& c : cases) {
    TMatchPointsArrangement a;
    a.Elim = c.elim;
    a.SameForAll = c.same;
    a.SizeIndex = c.size;
    for (int round = 1; round <= 13; ++round) {
      EXPECT_EQ(RowEnabled(a, round - 1), round <= 2 || round <= c.lastEnabledRound) << c.elim << " round " << round;
    }
    EXPECT_TRUE(RowEnabled(a, 13));
    EXPECT_TRUE(RowEnabled(a, 14));
    EXPECT_FALSE(RowEnabled(a, 15));
  }
}

TEST(MatchPointsArrangementTest, OkChecksOtherLogsTheListsSetsTheTypeAndSaves) {
  test::TEngineHost h(ElimSingle);
  TMatchPointsArrangement a = OtherMatchPointsClick(h.T);
  EXPECT_EQ(h.LogLines().back(), "Menu: Format/Match Points/Other...");
  a.SameForAll = false;
  a.Elim = ElimDouble;
  SelectSize(a, 4);
  SetRowPoints(a, 14, 9);
  ApplyArrangement(h.T, a);
  EXPECT_EQ(h.T.Context.MatchPoints[14], 9);  // an empty tournament is laid out for the largest size
  EXPECT_EQ(h.T.Format.SizePointsLists[0][14], 5);
  EXPECT_EQ(h.T.ElimFormat, ElimDouble);
  // After sign-ups close the type stays.
  h.AddPlayers(8);
  h.Close();
  a.Elim = ElimTriple;
  ApplyArrangement(h.T, a);
  EXPECT_EQ(h.T.ElimFormat, ElimDouble);
}

TEST(StartTablesTest, PreviewShowsTheLastTableOfEachRoundReached) {
  const TPointsList defaults = L("50,90,1,80,110,130,140,80,98,30,60,90,120,148,150");
  struct Case {
    TPointsList tables;
    int players, elim;
    std::vector<int32_t> shown;  // rounds shown, then all others hidden
    const char* semi;
  } cases[] = {
      // 64 players: rounds of 64, 32, 16 and 8 entries.
      {defaults, 64, ElimSingle, {81, 105, 8, 83}, "to 149"},
      // The numbers wrap after 150.
      {L("150,1,1,1,1,1,1,1,1,1,1,1,1,1,1"), 20, ElimSingle, {9, 5, 3}, "to 2"},
      {defaults, 12, ElimSingle, {55, 92}, "to 149"},
      {defaults, 7, ElimSingle, {55, 92}, "to 149"},  // held at 12 players
      {defaults, 64, ElimDouble, {81, 121, 31, 103, 125, 139, 145, 81}, ""},
      {defaults, 16, ElimTriple, {57, 101, 11, 90, 120, 138, 147, 84}, ""},
      {defaults, 64, ElimTriple, {81, 137, 47, 117, 147, 9, 15, 99, 111, 39, 66, 93}, ""},
  };
  for (const Case& c : cases) {
    const TStartTablesPreview p = PreviewStartTables(c.tables, c.players, c.elim);
    for (size_t r = 0; r < kPreviewRounds; ++r) {
      EXPECT_EQ(p.LastTable[r], r < c.shown.size() ? c.shown[r] : 0) << c.players << "/" << c.elim << " row " << r;
    }
    EXPECT_EQ(p.SemiLabel, c.semi);
  }
}

TEST(TimeSettingsTest, LimitsBootTimeAndStartTablesAreHeldInTheirRanges) {
  test::TEngineHost h;
  ApplyTimeLimits(h.T, TPointsList{0, 301, -5, 30, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 60});
  EXPECT_EQ(h.T.Context.TimeLimits, L("0,300,0,30,45,45,45,45,45,45,45,45,45,45,60"));
  h.Mark();
  ApplyStartTables(h.T, TPointsList{0, 151, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2});
  EXPECT_EQ(h.T.StartTables, L("1,150,7,1,1,1,1,1,1,1,1,1,1,1,2"));
  EXPECT_EQ(h.Log().front(), "    -> Starting tables are: 1,150,7,1,1,1,1,1,1,1,1,1,1,1,2");
  struct Case {
    int32_t typed, held;
  } boots[] = {{0, 1}, {1, 1}, {12, 12}, {100, 100}, {101, 100}, {-2147483647 - 1, 1}};
  for (const Case& c : boots) {
    ApplyBootTime(h.T, c.typed);
    EXPECT_EQ(h.T.Format.BootTime, c.held);
  }
}

TEST(StartTablesTest, TheDefaultIsHeldInRangeAndStored) {
  test::TEngineHost h;
  EXPECT_TRUE(DefaultStartTablesClick(h.T));
  EXPECT_EQ(h.LogLines().back(), "Menu: Format/Options/Default start tables");
  test::TFakeSettings settings;
  SetDefaultStartTables(h.T, L("3,0"), settings);
  EXPECT_EQ(h.T.Format.DefaultStartTables[1], 1);
  EXPECT_EQ(settings.ReadString("Default Start Tables"), "3,1,1,1,1,1,1,1,1,1,1,1,1,1,1");
}

TEST(PlayerPointsDraftTest, GridCellsTakeDigitsOnlyAndCountBadTextAsZero) {
  for (char key : std::string("0123456789\b\t\r")) EXPECT_TRUE(GridKeyAccepted(key)) << int(key);
  for (char key : std::string("-+ a.,\x95")) EXPECT_FALSE(GridKeyAccepted(key)) << key;
  struct Case {
    const char* text;
    int32_t value;
  } cells[] = {{"12", 12}, {"", 0}, {"1x", 0}, {"99999999999", 0}, {" 5", 0}, {"007", 7}};
  for (const Case& c : cells) EXPECT_EQ(CellValue(c.text), c.value) << c.text;
}

// The dialog test drives the box over whole columns; here the cells it
// never sends.
TEST(PlayerPointsDraftTest, TheBoxOpensCheckedOnlyForFlatListsAndCellsOutsideTheGridAreIgnored) {
  TPlayerPointsSettings s;
  s.Win.fill(2);
  EXPECT_TRUE(DraftOfPlayerPoints(s).SameForAll);
  s.Win[14] = 17;
  TPlayerPointsDraft d = DraftOfPlayerPoints(s);
  EXPECT_FALSE(d.SameForAll);
  SetCell(d, ColumnWin, 0, "3");
  SetCell(d, ColumnLose, 15, "3");  // no such row
  SetCell(d, 3, 0, "3");            // no such column
  EXPECT_EQ(d.Columns[ColumnWin], L("3,2,2,2,2,2,2,2,2,2,2,2,2,2,17"));
  EXPECT_EQ(d.Columns[ColumnLose], TPointsList{});
}

TEST(PlayerPointsDraftTest, PlacingsCarryTheirModeInTheSignAndAllValuesAreHeld) {
  TPlayerPointsSettings s;
  s.FirstPlace = -10;
  s.SecondPlace = -5;
  s.ThirdPlace = -2147483647 - 1;  // a hostile file's value must not overflow when shown
  s.Host = 500;
  s.FirstMatchWin = -4;
  TPlayerPointsDraft d = DraftOfPlayerPoints(s);
  EXPECT_TRUE(d.Exactly);
  EXPECT_EQ(std::vector<int32_t>({d.First, d.Second, d.Third, d.Bonuses.Host, d.Bonuses.FirstMatchWin}),
            std::vector<int32_t>({10, 5, 100, 100, 0}));
  d.First = 250;
  d.Bonuses.WinOfWin = 3;
  SetCell(d, ColumnWin, 2, "6");
  const TPlayerPointsSettings back = SettingsOfDraft(d);
  EXPECT_EQ(std::vector<int32_t>({back.FirstPlace, back.SecondPlace, back.ThirdPlace, back.WinOfWin, back.Win[2]}),
            std::vector<int32_t>({-200, -5, -100, 3, 6}));
  d.Exactly = false;
  EXPECT_EQ(SettingsOfDraft(d).SecondPlace, 5);
}

}  // namespace
}  // namespace vkr
