// Player corrections: removal with compaction, both players quitting,
// reassignment and disqualification, their undo and their refusals. The
// corrections, corrections-single and removals scenario scripts pin who moves
// where, and every question, notice and log line of it; corrections-single
// also that removals before closing erase the entries with nothing to undo.
#include <gtest/gtest.h>

#include <functional>

#include "engine/Corrections.h"
#include "engine/Reassign.h"
#include "engine/Undo.h"
#include "support/RandomPlay.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

TWinButton Seat(int bracket, int round, int table, int seat) { return TWinButton{bracket, round, table, seat}; }

// Double elimination of eight after the first round: Anna and Cleo at
// winners round 2 table 90, Emma and Gina at 92; Bert and Dirk at one-loss
// table 91, Finn and Hugo at 93.
void AfterFirstRound(TEngineHost& h) {
  h.SignUpEight();
  h.PlayRound(Winners, 0);
}

int Seats(const TTourney& t, int bracket, int round) {
  const TRound& r = t.Model.Round(bracket, round);
  return 2 * r.TableCount - (r.HasByeTable ? 1 : 0);
}

// The removals scenario script pins who moves where and that the refilled
// table plays; the table left and the removed entry's earlier tables are
// checked here.
TEST(Corrections, RemovalStopsTheTableLeftAndKeepsEarlierTables) {
  TEngineHost h(ElimDouble);
  AfterFirstRound(h);
  ASSERT_TRUE(RemovePlayer(h.T, Seat(Winners, 1, 0, 1)));  // Cleo; Gina moves from table 92 to 90
  EXPECT_EQ(h.T.Model.Table(Winners, 1, 1).StartTime, 0) << "nobody plays at the table Gina left";
  EXPECT_FALSE(h.T.Model.Player(h.Entry("Cleo")).Tables[1].IsSet());
  EXPECT_TRUE(h.T.Model.Player(h.Entry("Cleo")).Tables[0].IsSet()) << "a removed entry keeps its earlier tables";
}

TEST(Corrections, BothQuitShrinksTheRoundsTheyWouldHaveReached) {
  for (int format : {ElimSingle, ElimDouble}) {
    SCOPED_TRACE(format);
    TEngineHost h(format);
    h.SignUpEight();
    const int winners = Seats(h.T, Winners, 1), oneLoss = Seats(h.T, OneLoss, 1);
    ASSERT_TRUE(BothQuit(h.T, Seat(Winners, 0, 1, 0)));
    EXPECT_EQ(h.T.Model.Table(Winners, 0, 1).Result, 4);
    EXPECT_EQ(Seats(h.T, Winners, 1), winners - 1);
    EXPECT_EQ(Seats(h.T, OneLoss, 1), format == ElimSingle ? oneLoss : oneLoss - 1);  // single: no one-loss play
    EXPECT_EQ(CheckInvariants(h.T), "");
  }
}

TEST(Corrections, UndoAndRedoCoverEachCorrection) {
  const std::pair<const char*, std::function<void(TEngineHost&)>> cases[] = {
      {"remove", [](TEngineHost& h) { RemovePlayer(h.T, Seat(OneLoss, 1, 0, 0)); }},
      {"both quit", [](TEngineHost& h) { BothQuit(h.T, Seat(Winners, 1, 1, 1)); }},
      {"reassign next round", [](TEngineHost& h) {
         TReassignDialog d;
         OpenReassign(h.T, Seat(Winners, 1, 1, 0), d);
         ReassignPlayer(h.T, d, true, 2);
       }},
      {"disqualify, reverted with the level before it", [](TEngineHost& h) {
         h.Win(OneLoss, 1, 0, 0);
         DisqualifyPlayer(h.T, Seat(OneLoss, 1, 1, 1));
       }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    TEngineHost h(ElimDouble);
    AfterFirstRound(h);
    const uint64_t before = SnapshotHash(h.T);
    const int levels = h.T.Model.History().Count(TListKind::Undo);
    act(h);
    const uint64_t after = SnapshotHash(h.T);
    ASSERT_NE(after, before);
    while (h.T.Model.History().Count(TListKind::Undo) > levels) UndoClick(h.T);
    EXPECT_EQ(SnapshotHash(h.T), before);
    while (CanRedo(h.T)) RedoClick(h.T);
    EXPECT_EQ(SnapshotHash(h.T), after);
  }
}

TEST(Corrections, RefusedCorrectionsChangeNothing) {
  const std::pair<const char*, std::function<bool(TEngineHost&)>> cases[] = {
      {"the last finalist in single elimination",
       [](TEngineHost& h) { return RemovePlayer(h.T, Seat(Winners, h.T.Model.GrandFinalRound(), 0, 1)); }},
      {"both finalists", [](TEngineHost& h) { return BothQuit(h.T, Seat(Winners, h.T.Model.GrandFinalRound(), 0, 0)); }},
      {"an empty seat", [](TEngineHost& h) { return RemovePlayer(h.T, Seat(Winners, 1, 1, 1)); }},
      {"a decided table", [](TEngineHost& h) { return RemovePlayer(h.T, Seat(Winners, 0, 0, 1)); }},
      {"a table number outside the lobby", [](TEngineHost& h) { return ToggleVoidTable(h.T, 0); }},
      {"an occupied table", [](TEngineHost& h) {
         TReassignDialog d;
         OpenReassign(h.T, Seat(Winners, 1, 0, 0), d);
         return ReassignPlayer(h.T, d, false, h.T.Model.Table(Winners, 1, 0).Number);
       }},
      {"a table of another round", [](TEngineHost& h) {
         TReassignDialog d;
         OpenReassign(h.T, Seat(Winners, 0, 0, 0), d);  // Anna now plays the final
         return ReassignPlayer(h.T, d, false, 51);
       }},
      {"a table the dialog offered that has filled since", [](TEngineHost& h) {
         TReassignDialog d;
         OpenReassign(h.T, Seat(Winners, 1, 0, 0), d);
         d.SameEnabled = true;
         const int32_t full = h.T.Model.Table(Winners, 1, 1).Number;
         d.SameRound = {std::to_string(full)};
         return ReassignPlayer(h.T, d, false, full);
       }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    TEngineHost h(ElimSingle);
    h.SignUpEight();
    h.PlayRound(Winners, 0);
    h.PlayRound(Winners, 1);
    h.Win(Winners, 1, 0, 0);  // a redo level, which a refusal must keep
    UndoClick(h.T);
    const uint64_t before = SnapshotHash(h.T);
    const auto voids = h.T.VoidTables;
    h.Mark();
    EXPECT_FALSE(act(h));
    EXPECT_EQ(SnapshotHash(h.T), before);
    EXPECT_EQ(h.T.VoidTables, voids);
    EXPECT_TRUE(CanRedo(h.T));
    for (const std::string& e : h.Events()) EXPECT_EQ(e.rfind("ask: ", 0), std::string::npos) << e;
  }
}

TEST(Corrections, ARemovedWinnersResultCannotBeTakenBack) {
  TEngineHost h(ElimDouble);
  AfterFirstRound(h);
  ASSERT_TRUE(RemovePlayer(h.T, Seat(Winners, 1, 0, 1)));  // Cleo, who beat Dirk
  const uint64_t before = SnapshotHash(h.T);
  h.Win(Winners, 0, 1, 1);  // Dirk's button: would bring Cleo back as a loser
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 1).Result, 1);
  h.Release(Winners, 0, 1, 0);
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 1).Result, 1);
  UndoClick(h.T);
  UndoClick(h.T);
  EXPECT_EQ(SnapshotHash(h.T), before);
}

}  // namespace
}  // namespace vkr::test
