// The checks before a result is recorded (forced byes, round-2 byes, booted
// and disqualified winners) and taking results back. The first-results,
// round-two-byes, forced-byes, boots-on-result and results-taken-back
// scenario scripts pin how results before closing start and close, how the
// round-2 byes are given, how a forced bye reshapes a later round, what a
// result does to boots, and where released and re-entered results seat the
// entries.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/Undo.h"
#include "support/RandomPlay.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

const std::string kForcedBye = "A bye is not scheduled for this table, are you sure you want to assign a bye to ";

// Eight single entries, one per table, so that every first-round table but
// the last is a forced bye.
void SignUpAlone(TEngineHost& h) {
  h.Add({"Anna", "Bert", "Cleo", "Dirk", "Emma", "Finn", "Gina", "Hugo"});
  h.Close();
  h.Mark();
}

// A forced bye, a booted-too-long winner and a disqualified winner each need
// a yes: a no changes nothing, a yes records the win and clears the mark, and
// undoing the win brings the mark back.
TEST(WinnerChecks, ANoChangesNothingAYesRecordsTheWinAndUndoRestoresTheMark) {
  struct TCase {
    const char* Name;
    void (*Prepare)(TEngineHost&);
    std::string Question;
    S Posts;  // after the yes
  };
  const std::string next = kBullets + " Anna, you will be playing next at Table #90 for Round 2 (Time:30)";
  const TCase cases[] = {
      {"forced bye", SignUpAlone, kForcedBye + "Anna?", {kBullets + " Anna, you have the lucky BYE for Round 1!"}},
      {"booted too long", [](TEngineHost& h) {
         h.SignUpEight();
         h.T.Model.SetBootedTooLong(h.Entry("Anna"), true);
       },
       "The player you just assigned a win to had booted too long.\r\nAre you sure you want to give them the win?",
       {next}},
      {"disqualified", [](TEngineHost& h) {
         h.SignUpEight();
         h.T.Model.SetDisqualified(h.Entry("Anna"), true);
       },
       "The player you just assigned a win to was disqualified\r\nAre you sure you want to give them the win?", {next}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TEngineHost h(ElimDouble);
    c.Prepare(h);
    const uint64_t before = SnapshotHash(h.T);
    h.Screen.Answers = {false};
    h.Win(Winners, 0, 0, 0);
    EXPECT_EQ(h.Events(), (S{"ask: " + c.Question + " -> no"}));
    EXPECT_EQ(h.T.Model.Table(Winners, 0, 0).Result, 0);
    EXPECT_FALSE(CanUndo(h.T));
    h.Mark();
    h.Win(Winners, 0, 0, 0);
    EXPECT_EQ(h.Events(), (S{"ask: " + c.Question + " -> yes"}));
    EXPECT_EQ(h.T.Model.Table(Winners, 0, 0).Result, 1);
    EXPECT_EQ(h.Posts(), c.Posts);
    const TPlayer& anna = h.T.Model.Player(h.Entry("Anna"));
    EXPECT_FALSE(anna.Disqualified || anna.BootedTooLong);
    UndoClick(h.T);
    EXPECT_EQ(SnapshotHash(h.T), before);
  }
}

// Twenty entries at ten first-round tables, all byes in round 2: six byes.
void SignUpTwenty(TEngineHost& h) {
  h.T.AllByesInRound2 = true;
  h.AddPlayers(20);
  h.Close();
  h.Mark();
}

// Round-2 tables won without an opponent.
int ByesInRoundTwo(const TTourney& t) {
  int byes = 0;
  for (int i = 0; i < t.Model.Round(Winners, 1).TableCount; ++i) {
    const TTable& table = t.Model.Table(Winners, 1, i);
    if (table.Result == 1 && !table.SeatTaken(1)) ++byes;
  }
  return byes;
}

TEST(RoundTwoByes, AForcedByeWhenAllByesAreGivenIsRefused) {
  TEngineHost h(ElimSingle);
  SignUpTwenty(h);
  h.PlayRound(Winners, 0);
  ASSERT_EQ(ByesInRoundTwo(h.T), 6);
  // Empty one seat of a round-2 match and try to force a bye there.
  const TTableRef match = TTableRef::Of(Winners, 1, 0);
  const int16_t gone = h.T.Model.Table(match).Seat[1];
  h.T.Model.SetSeat(match, 1, kNoEntry);
  h.T.Model.ClearSlot(gone, 1);
  h.Mark();
  h.Win(Winners, 1, 0, 0);
  EXPECT_EQ(h.Events(), (S{"warning: This round has all byes allocated. Cannot force another bye in this round."}));
  EXPECT_EQ(h.T.Model.Table(match).Result, 0);
}

TEST(RoundTwoByes, RandomByesStillGiveEveryBye) {
  bool earlyBye = false;
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    TEngineHost h(ElimSingle);
    h.T.RandomlyAssignByes = true;
    h.T.Random.Seed(seed);
    SignUpTwenty(h);
    h.Win(Winners, 0, 0, 0);
    earlyBye |= h.T.Model.Table(Winners, 1, 7).Result == 1;
    h.PlayRound(Winners, 0);
    EXPECT_EQ(ByesInRoundTwo(h.T), 6) << "seed " << seed;
  }
  EXPECT_TRUE(earlyBye);
}

// The results-taken-back scenario script pins the seats, postings and log
// lines of releases; the clocks a release stops are checked here.
TEST(CancelMatch, ReleasingStopsTheClocksOfTheTableAndOfBothNextTables) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.Win(Winners, 0, 0, 0);
  h.Win(Winners, 0, 1, 0);
  const TModel& m = h.T.Model;
  ASSERT_GT(m.Table(Winners, 1, 0).StartTime * m.Table(OneLoss, 1, 0).StartTime, 0);
  h.Release(Winners, 0, 0, 0);
  EXPECT_EQ(m.Table(Winners, 0, 0).FinishTime, 0);
  EXPECT_EQ(m.Table(Winners, 1, 0).StartTime, 0);
  EXPECT_EQ(m.Table(OneLoss, 1, 0).StartTime, 0);
}

}  // namespace
}  // namespace vkr::test
