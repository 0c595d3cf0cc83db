// Undo and redo of result entry. The double and corrections scenario scripts
// pin what an undo logs.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/Undo.h"
#include "support/RandomPlay.h"

namespace vkr::test {
namespace {

// Everything a snapshot covers, as a fingerprint for comparing whole states.
uint64_t State(const TEngineHost& h) { return SnapshotHash(h.T); }

TEST(Undo, OneLevelPerResultRestoringExactStates) {
  TEngineHost h(ElimTriple);
  h.SignUpEight();
  std::vector<uint64_t> states{State(h)};
  h.PlayRound(Winners, 0);
  states.push_back(State(h));
  h.Win(OneLoss, 1, 0, 0);
  h.Clock.Advance(90);
  h.Win(OneLoss, 1, 1, 1);
  states.push_back(State(h));
  ASSERT_EQ(h.T.Model.History().Count(TListKind::Undo), 6);
  UndoClick(h.T);
  UndoClick(h.T);
  EXPECT_EQ(State(h), states[1]);
  for (int i = 0; i < 4; ++i) UndoClick(h.T);
  EXPECT_EQ(State(h), states[0]);
  EXPECT_FALSE(CanUndo(h.T));
  h.Mark();
  UndoClick(h.T);  // nothing left: not even logged
  EXPECT_TRUE(h.Log().empty());
  for (int i = 0; i < 6; ++i) RedoClick(h.T);
  EXPECT_EQ(State(h), states[2]);
  EXPECT_FALSE(CanRedo(h.T));
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
