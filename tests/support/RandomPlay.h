#pragma once
// Plays whole tournaments with random results through the same operations
// the host's clicks call: sign-up, closing, Win buttons, releases, undo, redo.
#include <cstdint>
#include <string>

#include "base/Random.h"
#include "engine/Results.h"

namespace vkr {
struct TTourney;
}

namespace vkr::test {

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
};

enum class TClickKind { Win, Release, Undo, Redo };

struct TClick {
  TClickKind Kind = TClickKind::Win;
  TWinButton Button;
  bool ForcedBye = false;
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

 private:
  bool ChooseWin(TClick& click);
  bool ChooseRelease(TClick& click);
  TTourney& FT;
  TRandomPlan FPlan;
  TRandom FRandom;
  TClick FLast;
  int FClicks = 0;
  int FForcedByes = 0;
};

// The first broken invariant of the model, or an empty text.
std::string CheckInvariants(const TTourney& t);
// A fingerprint of everything an undo snapshot covers.
uint64_t SnapshotHash(const TTourney& t);

}  // namespace vkr::test
