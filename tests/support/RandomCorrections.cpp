// The player corrections a random host makes among its clicks: removals,
// both players quitting, reassignments and disqualifications.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/Corrections.h"
#include "engine/Reassign.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "support/RandomPlay.h"

namespace vkr::test {

bool TRandomTournament::Removed(int entry) const {
  return std::find(FRemoved.begin(), FRemoved.end(), entry) != FRemoved.end();
}

namespace {

// An entry alone at a table that is not the bye table, whom no opponent can
// reach any more: no match with entries is undecided in an earlier round
// (leaving out the deciding tables below, which wait for the others).
bool Stranded(const TTourney& t, const TWinButton& lone) {
  const bool reachedLater = ReachedLater(t, lone.Bracket, lone.Round);
  for (int b = 0; b <= t.ElimFormat; ++b) {
    for (int r = 0; r < kRounds && (reachedLater || r < lone.Round); ++r) {
      // A table reached from later rounds waits for the others, not they for it.
      if (!reachedLater && ReachedLater(t, b, r)) continue;
      const TRound& round = t.Model.Round(b, r);
      for (int i = 0; i < round.TableCount && i < kTablesPerRound; ++i) {
        const TTable& table = round.Tables[static_cast<size_t>(i)];
        const bool itself = b == lone.Bracket && r == lone.Round && i == lone.TableIndex;
        if (!itself && table.Result == 0 && (table.SeatTaken(0) || table.SeatTaken(1))) return false;
      }
    }
  }
  return true;
}

}  // namespace

bool ReachedLater(const TTourney& t, int bracket, int round) {
  const TModel& m = t.Model;
  return (bracket == Winners && round == m.GrandFinalRound()) ||
         (t.ElimFormat == ElimTriple && bracket == OneLoss && round == m.OneLossLastRound());
}

// A host seats such an entry with another lone entry of its round, or else
// gives it its bye, before any later match.
bool TRandomTournament::ChooseStrandedBye(TClick& click) {
  std::vector<TWinButton> lone;
  ForEachTabTable(FT, [&](const TTable& table, int b, int r, int i, bool byeTable) {
    // The entry at the bye table waits for its bye, not for an opponent.
    if (table.Result != 0 || table.SeatTaken(0) == table.SeatTaken(1) || byeTable) return;
    lone.push_back(TWinButton{b, r, i, table.SeatTaken(0) ? 0 : 1});
  });
  const auto stranded = std::find_if(lone.begin(), lone.end(), [this](const TWinButton& s) { return Stranded(FT, s); });
  if (stranded == lone.end()) return false;
  const TWinButton at = *stranded;
  std::erase_if(lone, [&at](const TWinButton& s) { return s.Bracket != at.Bracket || s.Round != at.Round; });
  click.Button = lone.back();
  if (lone.size() >= 2) {
    click.Kind = TClickKind::Reassign;
    click.NextRound = false;
    click.Table = FT.Model.Table(at.Bracket, at.Round, lone.front().TableIndex).Number;
  } else {
    click.Kind = TClickKind::Win;
    click.ForcedBye = true;
  }
  return true;
}

bool TRandomTournament::ChoosePlayerCorrection(TClick& click) {
  const std::vector<TWinButton> seats = SeatsInPlay(FT);
  if (seats.empty()) return false;
  click.Button = seats[static_cast<size_t>(FRandom.Below(static_cast<int>(seats.size())))];
  static constexpr TClickKind kKinds[] = {TClickKind::Remove, TClickKind::BothQuit, TClickKind::Reassign,
                                          TClickKind::Reassign, TClickKind::Disqualify};
  click.Kind = kKinds[FRandom.Below(5)];
  if (click.Kind == TClickKind::BothQuit && !PlayerMenuState(FT, click.Button, false).BothQuit) {
    click.Kind = TClickKind::Reassign;
  }
  click.NextRound = FRandom.Below(2) == 0;
  click.Item = FRandom.Below(1000);
  return true;
}

void TRandomTournament::PerformPlayerCorrection(const TClick& click) {
  const TWinButton& b = click.Button;
  const int16_t entry = FT.Model.Table(b.Bracket, b.Round, b.TableIndex).Seat[static_cast<size_t>(b.Seat)];
  bool done = false;
  if (click.Kind == TClickKind::Remove) {
    done = RemovePlayer(FT, b);
    if (done) FRemoved.push_back(entry);
  } else if (click.Kind == TClickKind::BothQuit) {
    done = BothQuit(FT, b);
  } else if (click.Kind == TClickKind::Disqualify) {
    done = DisqualifyPlayer(FT, b);
  } else {
    TReassignDialog d;
    OpenReassign(FT, b, d);
    bool next = click.NextRound ? d.NextEnabled : !d.SameEnabled;
    const std::vector<std::string>& items = next ? d.NextRound : d.SameRound;
    if (!items.empty() && (next ? d.NextEnabled : d.SameEnabled)) {
      int32_t table = std::atoi(items[static_cast<size_t>(click.Item) % items.size()].c_str());
      if (click.Table != 0) table = click.Table;
      done = ReassignPlayer(FT, d, next, table);
    }
  }
  if (done) ++FPlayerCorrections;
}

}  // namespace vkr::test
