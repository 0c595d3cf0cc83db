#pragma once
// Plays whole tournaments with random results through the same operations
// the host's clicks call: sign-up, closing, Win buttons, releases, undo, redo.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Random.h"
#include "engine/Results.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"

namespace vkr::test {

// Every table in play on a tab the host can click, with its button position
// and whether it is its round's bye table.
template <typename Visit>
void ForEachTabTable(const TTourney& t, Visit visit) {
  for (int b = 0; b <= t.ElimFormat; ++b) {
    for (int r = b; r <= LastTabRound(t, b) && r < kRounds; ++r) {
      const TRound& round = t.Model.Round(b, r);
      for (int i = 0; i < round.TableCount && i < kTablesPerRound; ++i) {
        visit(round.Tables[static_cast<size_t>(i)], b, r, i, round.HasByeTable && i == round.TableCount - 1);
      }
    }
  }
}

// The order in which the host enters the results of the earliest round in
// play: any table at random, or by table from the first or from the last.
enum class TResultOrder { Random, Tables, ReverseTables };

struct TRandomPlan {
  int Entries = 16;
  int Format = 1;  // ElimDouble
  bool Teams = false;
  uint64_t Seed = 1;
  bool Corrections = true;       // undo, redo, releases and moved results among the clicks
  bool CloseByResults = false;   // leave the closing to the result entry
  bool AllByesInRound2 = false;  // single elimination: all byes in round 2
  bool RandomByes = false;
  bool PostManually = false;
  TResultOrder Order = TResultOrder::Random;
  bool PlayerCorrections = false;  // removals, both quitting, reassignments, disqualifications
};

enum class TClickKind { Win, Release, Undo, Redo, Remove, BothQuit, Reassign, Disqualify };

struct TClick {
  TClickKind Kind = TClickKind::Win;
  TWinButton Button;
  bool ForcedBye = false;
  bool NextRound = false;  // reassign: the next-round choice
  int Item = 0;            // reassign: the item of the list, modulo its length
  int32_t Table = 0;       // reassign: the table to choose, when not 0
};

class TRandomTournament {
 public:
  TRandomTournament(TTourney& t, const TRandomPlan& plan);
  // A new tournament with the plan's entries, closed unless the results close it.
  void SignUp();
  // Chooses and makes one click; false when the tournament is finished or stuck.
  bool Step() { return Choose(FLast) && (Perform(FLast), true); }
  // The two halves of a step, for callers that time the click alone.
  bool Choose(TClick& click);
  void Perform(const TClick& click);
  bool Finished() const;
  const TClick& LastClick() const { return FLast; }
  int Clicks() const { return FClicks; }
  int ForcedByes() const { return FForcedByes; }
  // Player corrections made, and whether the entry was removed by one.
  int PlayerCorrections() const { return FPlayerCorrections; }
  bool Removed(int entry) const;

 private:
  bool ChooseWin(TClick& click);
  bool ChooseRelease(TClick& click);
  bool ChoosePlayerCorrection(TClick& click);
  bool ChooseStrandedBye(TClick& click);
  void PerformPlayerCorrection(const TClick& click);
  TTourney& FT;
  TRandomPlan FPlan;
  TRandom FRandom;
  TClick FLast;
  int FClicks = 0;
  int FForcedByes = 0;
  int FPlayerCorrections = 0;
  std::vector<int> FRemoved;
};

// Occupied seats of undecided tables on the tabs the host can click.
std::vector<TWinButton> SeatsInPlay(const TTourney& t);
// The grand final, and in triple elimination the one-loss bracket's last
// table: reached from later rounds of the other brackets, so they are played last.
bool ReachedLater(const TTourney& t, int bracket, int round);
// The first broken invariant of the model, or an empty text.
std::string CheckInvariants(const TTourney& t);
// A fingerprint of everything an undo snapshot covers.
uint64_t SnapshotHash(const TTourney& t);

}  // namespace vkr::test
