// Lobby table numbers: how each format numbers its tables, and when a number
// counts as taken.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/Structure.h"

namespace vkr::test {
namespace {

std::vector<int32_t> Numbers(const TTourney& t, int bracket, int round, int first, int count) {
  std::vector<int32_t> numbers;
  for (int i = first; i < first + count; ++i) numbers.push_back(t.Model.Table(bracket, round, i).Number);
  return numbers;
}

void Renumber(TTourney& t, int format, int32_t startTable) {
  t.StartTables.fill(startTable);
  t.ElimFormat = format;
  NumberTables(t);
}

using V = std::vector<int32_t>;

TEST(TableNumbering, SingleCountsUpAndWraps) {
  TEngineHost h;
  Renumber(h.T, ElimSingle, 1);
  EXPECT_EQ(Numbers(h.T, Winners, 3, 0, 3), (V{1, 2, 3}));
  Renumber(h.T, ElimSingle, 148);
  EXPECT_EQ(Numbers(h.T, Winners, 0, 0, 5), (V{148, 149, 150, 1, 2}));
}

TEST(TableNumbering, DoubleInterleavesTheTwoBrackets) {
  TEngineHost h;
  Renumber(h.T, ElimDouble, 1);
  EXPECT_EQ(Numbers(h.T, Winners, 0, 0, 3), (V{1, 2, 3}));  // the sign-up round counts up
  EXPECT_EQ(Numbers(h.T, Winners, 1, 0, 3), (V{2, 4, 6}));
  EXPECT_EQ(Numbers(h.T, OneLoss, 1, 0, 3), (V{1, 3, 5}));
  EXPECT_EQ(Numbers(h.T, Winners, 1, 74, 2), (V{150, 2}));
  EXPECT_EQ(Numbers(h.T, OneLoss, 1, 74, 2), (V{149, 1}));
  Renumber(h.T, ElimDouble, 150);
  EXPECT_EQ(Numbers(h.T, Winners, 1, 0, 2), (V{150, 2}));
  EXPECT_EQ(Numbers(h.T, OneLoss, 1, 0, 2), (V{1, 3}));
}

TEST(TableNumbering, TripleUsesBlocksOfFourAndWrapsAt148) {
  TEngineHost h;
  Renumber(h.T, ElimTriple, 1);
  EXPECT_EQ(Numbers(h.T, Winners, 2, 0, 3), (V{1, 5, 9}));
  EXPECT_EQ(Numbers(h.T, OneLoss, 2, 0, 3), (V{2, 6, 10}));
  EXPECT_EQ(Numbers(h.T, TwoLoss, 2, 0, 3), (V{3, 7, 11}));
  EXPECT_EQ(Numbers(h.T, Winners, 2, 36, 2), (V{145, 1}));
  EXPECT_EQ(Numbers(h.T, OneLoss, 2, 36, 2), (V{146, 2}));
  EXPECT_EQ(Numbers(h.T, TwoLoss, 2, 36, 2), (V{147, 3}));
  EXPECT_EQ(Numbers(h.T, Winners, 0, 0, 2), (V{1, 2}));
  Renumber(h.T, ElimTriple, 3);  // (3 + 1) div 4 moves to the next block
  EXPECT_EQ(Numbers(h.T, Winners, 1, 0, 2), (V{5, 9}));
  h.T.LobbyTableCount = 51;  // a lobby of 51 tables uses blocks up to 48
  Renumber(h.T, ElimTriple, 1);
  EXPECT_EQ(Numbers(h.T, TwoLoss, 2, 11, 2), (V{47, 3}));
}

// Winners round 1 of a double bracket numbered from 1: tables 2, 4, 6, ...
struct NumberInUse : ::testing::Test {
  TEngineHost H{ElimDouble};
  void SetUp() override {
    H.AddPlayers(8);
    H.Close();
  }
  bool InUse(int bracket, int round, int32_t number) { return TableNumberInUse(H.T, bracket, round, number); }
  TModel& M() { return H.T.Model; }
};

TEST_F(NumberInUse, VoidNumbersRunningMatchesAndWaitingPlayers) {
  H.T.VoidTables = {77};
  for (int b = 0; b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) EXPECT_TRUE(InUse(b, r, 77));
  }
  // The four first-round matches have started at 50..53.
  EXPECT_TRUE(InUse(Winners, 0, 50));
  EXPECT_TRUE(InUse(OneLoss, 1, 53));
  // A waiting player makes the number taken for other rounds only.
  const TTableRef waiting = TTableRef::Of(Winners, 1, 0);
  M().SetSeat(waiting, 0, 0);
  const int32_t number = M().Table(waiting).Number;
  EXPECT_FALSE(InUse(Winners, 1, number));
  EXPECT_TRUE(InUse(OneLoss, 1, number));
  EXPECT_TRUE(InUse(Winners, 2, number));
  // Once its clock runs it is taken for its own round too.
  M().SetStartTime(waiting, 1.0);
  EXPECT_TRUE(InUse(Winners, 1, number));
  // A decided table frees its number.
  M().SetResult(waiting, 1);
  EXPECT_FALSE(InUse(OneLoss, 1, number));
}

TEST_F(NumberInUse, ByeTablesAndTablesOutsideThePlay) {
  // A bye table with its entry is taken for its own round; another waiting table is not.
  M().SetHasByeTable(OneLoss, 2, true);
  const TTableRef bye = TTableRef::Of(OneLoss, 2, M().Round(OneLoss, 2).TableCount - 1);
  M().SetSeat(bye, 0, 1);
  EXPECT_TRUE(InUse(OneLoss, 2, M().Table(bye).Number));
  M().SetSeat(TTableRef::Of(OneLoss, 2, 0), 0, 2);
  EXPECT_FALSE(InUse(OneLoss, 2, M().Table(OneLoss, 2, 0).Number));
  // A seated table past the round's table count does not count.
  const TTableRef beyond = TTableRef::Of(Winners, 2, 5);
  M().SetSeat(beyond, 0, 3);
  M().SetStartTime(beyond, 1.0);
  EXPECT_FALSE(InUse(OneLoss, 3, M().Table(beyond).Number));
  // Nor does the two-loss bracket of a double elimination.
  const TTableRef twoLoss = TTableRef::Of(TwoLoss, 2, 0);
  M().SetTableNumber(twoLoss, 120);
  M().SetTableCount(TwoLoss, 2, 1);
  M().SetSeat(twoLoss, 0, 4);
  M().SetStartTime(twoLoss, 1.0);
  EXPECT_FALSE(InUse(Winners, 1, 120));
}

}  // namespace
}  // namespace vkr::test
