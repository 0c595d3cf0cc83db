// Whole tournaments with random results, releases, undo and redo: the model's
// invariants after every click, undo and redo against fingerprints of the
// states they must bring back, and a proper end.
#include <gtest/gtest.h>

#include <vector>

#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "fakes/FakePorts.h"
#include "support/RandomBoots.h"
#include "support/RandomPlay.h"

namespace vkr::test {
namespace {

struct TUndoReference {
  std::vector<uint64_t> Undo, Redo;
};

// Keeps the expected fingerprints in step with the history the click left.
void Track(TTourney& t, TUndoReference& ref, const TClick& click, uint64_t before, size_t undoBefore) {
  const size_t undo = static_cast<size_t>(t.Model.History().Count(TListKind::Undo));
  const size_t redo = static_cast<size_t>(t.Model.History().Count(TListKind::Redo));
  if (click.Kind == TClickKind::Undo) {
    ASSERT_EQ(SnapshotHash(t), ref.Undo.back()) << "undo did not bring back the state";
    ref.Undo.pop_back();
    ref.Redo.push_back(before);
  } else if (click.Kind == TClickKind::Redo) {
    ASSERT_EQ(SnapshotHash(t), ref.Redo.back()) << "redo did not bring back the state";
    ref.Redo.pop_back();
    ref.Undo.push_back(before);
  } else if (undo > undoBefore) {
    // A next-round reassignment gives the win after its own level; nothing
    // changes between the two, so both bring back the state before it.
    ref.Undo.insert(ref.Undo.end(), undo - undoBefore, before);
    ref.Redo.clear();
  }
  if (undo == 0) ref.Undo.clear();  // closing sign-ups empties the history
  if (redo == 0) ref.Redo.clear();
  ASSERT_EQ(ref.Undo.size(), undo);
  ASSERT_EQ(ref.Redo.size(), redo);
}

// Boot actions between the clicks, each followed by the boot records' and the
// model's invariants.
void MixInBoots(TTourney& t, TRandomBoots& boots) {
  const std::string action = boots.Act(t);
  if (action.empty()) return;
  SCOPED_TRACE(action);
  ASSERT_EQ(CheckBootInvariants(t, boots.Ticked()), "");
  ASSERT_EQ(CheckInvariants(t), "");
}

void PlayAndCheck(const TRandomPlan& plan, TRandomBoots* boots = nullptr, int* corrections = nullptr) {
  SCOPED_TRACE(testing::Message() << "entries " << plan.Entries << " format " << plan.Format << " teams "
                                  << plan.Teams << " seed " << plan.Seed);
  TTestHost host;
  TTourney& t = host.T;
  TRandomTournament game(t, plan);
  game.SignUp();
  ASSERT_EQ(t.Model.PlayerCount(), plan.Entries);
  TUndoReference ref;
  for (int guard = 0; guard < 20000; ++guard) {
    if (boots != nullptr) {
      MixInBoots(t, *boots);
      if (testing::Test::HasFatalFailure()) return;
    }
    const uint64_t before = plan.Corrections ? SnapshotHash(t) : 0;  // only undo and redo compare them
    const auto undoBefore = static_cast<size_t>(t.Model.History().Count(TListKind::Undo));
    const bool startedBefore = t.Started;
    if (!game.Step()) break;
    SCOPED_TRACE(testing::Message() << "click " << game.Clicks());
    std::string broken = CheckInvariants(t);
    ASSERT_EQ(broken, "");
    if (startedBefore) {
      Track(t, ref, game.LastClick(), before, undoBefore);
      if (testing::Test::HasFatalFailure()) return;
    } else {
      ref.Undo.assign(static_cast<size_t>(t.Model.History().Count(TListKind::Undo)), 0);
      ref.Redo.clear();
    }
  }
  ASSERT_TRUE(game.Finished()) << "the tournament got stuck after " << game.Clicks() << " clicks";
  if (corrections != nullptr) *corrections += game.PlayerCorrections();
  // With all byes in round 2 the first round's bye winner gets its round-2
  // bye by a forced bye; otherwise a forced bye means an opponent never came.
  // Removals and abandoned matches leave entries without the opponent they waited for.
  if (!plan.AllByesInRound2 && game.PlayerCorrections() == 0) {
    EXPECT_EQ(game.ForcedByes(), 0) << "a match could only be continued by forcing a bye";
  }
  for (const std::string& e : host.Screen.Events) EXPECT_EQ(e.rfind("error: ", 0), std::string::npos) << e;

  // One champion, nobody left in play, and nobody out before their losses ran out.
  const TModel& m = t.Model;
  const TTable& final = m.Table(Winners, m.GrandFinalRound(), 0);
  const int champion = final.Winner();
  ASSERT_NE(champion, kNoEntry);
  EXPECT_EQ(t.Points.ActiveCount, 0);
  for (int e = 0; e < m.PlayerCount(); ++e) {
    const TPlayer& p = m.Player(e);
    int losses = 0;
    for (int k = 0; k <= p.LastSlot(); ++k) {
      const TTable& x = m.Table(p.Tables[static_cast<size_t>(k)]);
      if (x.Result != 0 && x.Result != p.Seats[static_cast<size_t>(k)] + 1) ++losses;
    }
    if (game.Removed(e)) continue;  // it left, whatever its losses
    if (e == champion) {
      EXPECT_LE(losses, t.ElimFormat) << p.Name;
    } else {
      EXPECT_GE(losses, 1) << p.Name;
      EXPECT_LE(losses, t.ElimFormat + 1) << p.Name;
    }
  }
}

// Plays each plan while no fatal failure stopped the test.
void PlayEach(const std::vector<TRandomPlan>& plans) {
  for (const TRandomPlan& plan : plans) {
    PlayAndCheck(plan);
    if (testing::Test::HasFatalFailure()) return;
  }
}

TEST(RandomTournaments, EveryFormatAndSizeEndsWithOneChampion) {
  std::vector<TRandomPlan> plans;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 9, 12, 16, 17, 23, 32, 33, 47, 64, 100, 128, 129, 200, 256}) {
      plans.push_back({.Entries = entries, .Format = format, .Teams = entries % 2 == 1, .Seed = plans.size() + 1});
    }
  }
  PlayEach(plans);
}

// A full lobby: in triple elimination the stride of three over 150 tables
// reaches only a third of the numbers, so seating must look beyond it. Table
// order, reverse order and posting by hand once each, a few random orders,
// and two with undo, redo and releases.
TEST(RandomTournaments, FullTripleEveningsSeatEveryone) {
  std::vector<TRandomPlan> plans;
  auto add = [&plans](TResultOrder order, bool postManually, bool corrections) {
    plans.push_back({.Entries = 256, .Format = ElimTriple, .Seed = plans.size() + 300, .Corrections = corrections,
                     .PostManually = postManually, .Order = order});
  };
  add(TResultOrder::Tables, false, false);
  add(TResultOrder::ReverseTables, false, false);
  add(TResultOrder::Tables, true, false);
  for (int i = 0; i < 3; ++i) add(TResultOrder::Random, false, false);
  for (int i = 0; i < 2; ++i) add(TResultOrder::Random, true, true);
  PlayEach(plans);
}

TEST(RandomTournaments, ResultsCloseSignupsOnTheirOwnOrAllByesComeInRoundTwo) {
  std::vector<TRandomPlan> plans;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    plans.push_back({.Entries = 20 + format, .Format = format, .Seed = 100 + plans.size(), .CloseByResults = true});
  }
  for (int entries : {9, 13, 20, 37, 100}) {
    for (bool random : {false, true}) {
      plans.push_back({.Entries = entries, .Format = ElimSingle, .Seed = 200 + plans.size(), .Corrections = false,
                       .AllByesInRound2 = true, .RandomByes = random});
    }
  }
  PlayEach(plans);
}

TEST(RandomTournaments, BootsMixedIntoTheClicks) {
  uint64_t seed = 400;
  int boots = 0, timeOuts = 0;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 17, 64, 256}) {
      TRandomBoots random(seed * 31 + 7);
      PlayAndCheck({.Entries = entries, .Format = format, .Seed = seed++}, &random);
      if (testing::Test::HasFatalFailure()) return;
      boots += random.Boots();
      timeOuts += random.TimeOuts();
    }
  }
  // The mix reached both ends of a boot.
  EXPECT_GT(boots, 50);
  EXPECT_GT(timeOuts, 10);
}

TEST(RandomTournaments, PlayerCorrectionsAmongTheClicks) {
  uint64_t seed = 300;
  int corrections = 0;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 9, 13, 16, 17, 24, 33, 64, 100, 129}) {
      PlayAndCheck({.Entries = entries, .Format = format, .Teams = entries % 4 == 1, .Seed = seed++,
                    .PlayerCorrections = true},
                   nullptr, &corrections);
      if (testing::Test::HasFatalFailure()) return;
    }
  }
  EXPECT_GT(corrections, 100) << "the corrections must really be made";
}

// Evenings that once went wrong: a later recount shrank a round under entries
// already seated in it, counted a winner who had left, or let a forced bye add
// a seat nobody would fill; the entries left waiting where nobody could reach
// them. Or a reassignment to a table whose number a decided table of the round
// also carried did nothing.
TEST(RandomTournaments, PlayerCorrectionsThatOnceStrandedEntries) {
  const struct {
    int Entries, Format;
    uint64_t Seed;
  } evenings[] = {{64, ElimTriple, 5027}, {256, ElimTriple, 311}, {64, ElimTriple, 5010},
                  {100, ElimTriple, 6001}, {17, ElimTriple, 5030}, {33, ElimDouble, 5000},
                  {128, ElimTriple, 7004}};
  for (const auto& evening : evenings) {
    PlayAndCheck(
        {.Entries = evening.Entries, .Format = evening.Format, .Seed = evening.Seed, .PlayerCorrections = true});
    if (testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace vkr::test
