// Undo and redo of result entry.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/Undo.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

// Everything a snapshot covers, for comparing whole states.
struct TState {
  std::vector<TPlayer> Players;
  std::vector<TTable> Tables;
  std::vector<std::pair<int, bool>> Rounds;
  int Finals[5];
  explicit TState(const TModel& m)
      : Players(m.Players()),
        Finals{m.WinnersFinalRound(), m.OneLossFinalRound(), m.TwoLossFinalRound(), m.OneLossLastRound(),
               m.GrandFinalRound()} {
    for (int b = 0; b < kBrackets; ++b) {
      for (int r = 0; r < kRounds; ++r) {
        Rounds.emplace_back(m.Round(b, r).TableCount, m.Round(b, r).HasByeTable);
        for (const TTable& t : m.Round(b, r).Tables) Tables.push_back(t);
      }
    }
  }
  bool operator==(const TState& o) const {
    auto samePlayer = [](const TPlayer& a, const TPlayer& b) {
      return a.Name == b.Name && a.Member1 == b.Member1 && a.Member2 == b.Member2 && a.BootStart == b.BootStart &&
             a.BootCount == b.BootCount && a.BootedTooLong == b.BootedTooLong && a.Disqualified == b.Disqualified &&
             a.Points == b.Points && a.Tables == b.Tables && a.Seats == b.Seats;
    };
    auto sameTable = [](const TTable& a, const TTable& b) {
      return a.Number == b.Number && a.Result == b.Result && a.Seat == b.Seat && a.StartTime == b.StartTime &&
             a.FinishTime == b.FinishTime && a.Reminded15 == b.Reminded15 && a.Reminded10 == b.Reminded10 &&
             a.Reminded5 == b.Reminded5;
    };
    return std::equal(Players.begin(), Players.end(), o.Players.begin(), o.Players.end(), samePlayer) &&
           std::equal(Tables.begin(), Tables.end(), o.Tables.begin(), o.Tables.end(), sameTable) &&
           Rounds == o.Rounds && std::equal(Finals, Finals + 5, o.Finals);
  }
};

TEST(Undo, OneLevelPerResultRestoringExactStates) {
  TEngineHost h(ElimTriple);
  h.SignUpEight();
  std::vector<TState> states{TState(h.T.Model)};
  h.PlayRound(Winners, 0);
  states.emplace_back(h.T.Model);
  h.Win(OneLoss, 1, 0, 0);
  h.Clock.Advance(90);
  h.Win(OneLoss, 1, 1, 1);
  states.emplace_back(h.T.Model);
  ASSERT_EQ(h.T.Model.History().Count(TListKind::Undo), 6);
  h.Mark();
  UndoClick(h.T);
  UndoClick(h.T);
  EXPECT_TRUE(TState(h.T.Model) == states[1]);
  EXPECT_EQ(h.Log().front(), "Click: Undo");
  EXPECT_TRUE(CanRedo(h.T));
  RedoClick(h.T);
  RedoClick(h.T);
  EXPECT_TRUE(TState(h.T.Model) == states[2]);
  EXPECT_FALSE(CanRedo(h.T));
  for (int i = 0; i < 6; ++i) UndoClick(h.T);
  EXPECT_TRUE(TState(h.T.Model) == states[0]);
  EXPECT_FALSE(CanUndo(h.T));
  h.Mark();
  UndoClick(h.T);  // nothing left: not even logged
  EXPECT_TRUE(h.Log().empty());
  for (int i = 0; i < 6; ++i) RedoClick(h.T);
  EXPECT_TRUE(TState(h.T.Model) == states[2]);
}

TEST(Undo, ANewResultEmptiesRedo) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.Win(Winners, 0, 0, 0);
  UndoClick(h.T);
  EXPECT_EQ(h.Where("Anna"), TTableRef::Of(Winners, 0, 0));
  EXPECT_EQ(h.T.Model.Table(Winners, 1, 0).Seat[0], kNoEntry);
  EXPECT_EQ(h.T.Model.Table(OneLoss, 1, 0).Seat[0], kNoEntry);
  h.Win(Winners, 0, 1, 0);
  EXPECT_FALSE(CanRedo(h.T));
  EXPECT_TRUE(CanUndo(h.T));
}

TEST(Undo, RestoresEntryRecordsWhole) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.Win(Winners, 0, 0, 0);
  const int cleo = h.Entry("Cleo");
  h.T.Model.SetDisqualified(cleo, true);  // no undo level of its own
  h.T.Model.SetName(cleo, "Cleopatra");
  UndoClick(h.T);
  EXPECT_FALSE(h.T.Model.Player(cleo).Disqualified);
  EXPECT_EQ(h.T.Model.Player(cleo).Name, "Cleo");
  RedoClick(h.T);
  EXPECT_TRUE(h.T.Model.Player(cleo).Disqualified);
  EXPECT_EQ(h.T.Model.Player(cleo).Name, "Cleopatra");
}

TEST(Undo, AReleaseThatChangesNothingStillTakesALevel) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.Release(Winners, 0, 0, 0);
  EXPECT_TRUE(CanUndo(h.T));
}

}  // namespace
}  // namespace vkr::test
