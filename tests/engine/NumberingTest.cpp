// Lobby table numbers: how each format numbers its tables, and when a number
// counts as taken.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/Structure.h"

namespace vkr::test {
namespace {

// Single counts up and wraps; double interleaves its two brackets; triple
// uses blocks of four and wraps at 148.
TEST(TableNumbering, EachFormatNumbersItsRounds) {
  struct TCase {
    int Format;
    int32_t Start, LobbyTables;
    int Bracket, Round, First;
    std::vector<int32_t> Numbers;
  };
  const TCase cases[] = {
      {ElimSingle, 1, 150, Winners, 3, 0, {1, 2, 3}},
      {ElimSingle, 148, 150, Winners, 0, 0, {148, 149, 150, 1, 2}},
      {ElimDouble, 1, 150, Winners, 0, 0, {1, 2, 3}},  // the sign-up round counts up
      {ElimDouble, 1, 150, Winners, 1, 0, {2, 4, 6}},
      {ElimDouble, 1, 150, OneLoss, 1, 0, {1, 3, 5}},
      {ElimDouble, 1, 150, Winners, 1, 74, {150, 2}},
      {ElimDouble, 1, 150, OneLoss, 1, 74, {149, 1}},
      {ElimDouble, 150, 150, Winners, 1, 0, {150, 2}},
      {ElimDouble, 150, 150, OneLoss, 1, 0, {1, 3}},
      {ElimTriple, 1, 150, Winners, 2, 0, {1, 5, 9}},
      {ElimTriple, 1, 150, OneLoss, 2, 0, {2, 6, 10}},
      {ElimTriple, 1, 150, TwoLoss, 2, 0, {3, 7, 11}},
      {ElimTriple, 1, 150, Winners, 2, 36, {145, 1}},
      {ElimTriple, 1, 150, OneLoss, 2, 36, {146, 2}},
      {ElimTriple, 1, 150, TwoLoss, 2, 36, {147, 3}},
      {ElimTriple, 1, 150, Winners, 0, 0, {1, 2}},
      {ElimTriple, 3, 150, Winners, 1, 0, {5, 9}},    // (3 + 1) div 4 moves to the next block
      {ElimTriple, 1, 51, TwoLoss, 2, 11, {47, 3}},   // a lobby of 51 tables uses blocks up to 48
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.Format << " from " << c.Start << " of " << c.LobbyTables
                                    << ", bracket " << c.Bracket << " round " << c.Round);
    TEngineHost h;
    h.T.LobbyTableCount = c.LobbyTables;
    h.T.StartTables.fill(c.Start);
    h.T.ElimFormat = c.Format;
    NumberTables(h.T);
    std::vector<int32_t> numbers;
    for (size_t i = 0; i < c.Numbers.size(); ++i) {
      numbers.push_back(h.T.Model.Table(c.Bracket, c.Round, c.First + static_cast<int>(i)).Number);
    }
    EXPECT_EQ(numbers, c.Numbers);
  }
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
