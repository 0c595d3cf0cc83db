#include "engine/Playability.h"

#include "engine/SilentScreen.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"

namespace vkr {
namespace {

// Someone still waits for a match, every waiting entry sits at a table of a
// round that has a tab, every bracket still has its final, and the grand final is still
// to be played.
bool Playable(const TTourney& t) {
  const TModel& m = t.Model;
  const int gf = m.GrandFinalRound();
  if (gf < 0 || gf >= kRounds || m.Table(Winners, gf, 0).Result != 0) return false;
  // The one-loss bracket starts in round 2 and the two-loss bracket in round
  // 3: an earlier final means a bracket ran empty and the structure broke down.
  if (t.ElimFormat >= ElimDouble && m.OneLossFinalRound() < 1) return false;
  if (t.ElimFormat == ElimTriple && m.TwoLossFinalRound() < 2) return false;
  int waiting = 0;
  for (const TPlayer& p : m.Players()) {
    const int k = p.LastSlot();
    if (k < 0) continue;
    const TTableRef ref = p.Tables[static_cast<size_t>(k)];
    if (m.Table(ref).Result != 0) continue;
    if (ref.Round > LastTabRound(t, ref.Bracket) || ref.Index >= m.Round(ref.Bracket, ref.Round).TableCount) return false;
    ++waiting;
  }
  return waiting > 0;
}

}  // namespace

bool KeepsTournamentPlayable(const TTourney& t, const std::function<void(TTourney&)>& change) {
  if (!Playable(t)) return true;  // nothing left to keep
  TSilentScreen screen;
  TTourney trial = t;
  trial.Model.ClearHistory(TListKind::Undo);
  trial.Model.ClearHistory(TListKind::Redo);
  trial.Ports = TPorts{};
  trial.Ports.Screen = &screen;
  trial.Ports.Clock = t.Ports.Clock;
  change(trial);
  return Playable(trial);
}

}  // namespace vkr
