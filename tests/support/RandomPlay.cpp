#include "support/RandomPlay.h"

#include <algorithm>
#include <vector>

#include "base/Text.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "support/TourneyHost.h"

namespace vkr::test {
TRandomTournament::TRandomTournament(TTourney& t, const TRandomPlan& plan) : FT(t), FPlan(plan), FRandom(plan.Seed) {}

void TRandomTournament::SignUp() {
  StartTourney(FT, "random.vkr", FPlan.Format, FPlan.Teams);
  FT.OnePlayerPerTable = false;
  FT.AllByesInRound2 = FPlan.AllByesInRound2;
  FT.RandomlyAssignByes = FPlan.RandomByes;
  FT.Lobby.PostManually = FPlan.PostManually;
  FT.Random.Seed(FPlan.Seed * 7919 + 1);
  for (int i = 0; i < FPlan.Entries; ++i) {
    std::string name = FPlan.Teams ? Sprintf("A%d/B%d", i, i) : Sprintf("P%d", i);
    AddButtonClick(FT, name);
  }
  if (!FPlan.CloseByResults) CloseSignups(FT);
}

bool TRandomTournament::Finished() const {
  const TModel& m = FT.Model;
  int gf = m.GrandFinalRound();
  return FT.SignupsClosed && gf >= 0 && gf < kRounds && m.Table(Winners, gf, 0).Decided();
}

bool TRandomTournament::ChooseWin(TClick& click) {
  std::vector<TWinButton> matches, forced;
  ForEachTabTable(FT, [&](const TTable& table, int b, int r, int i, bool bye) {
    if (table.Result != 0) return;
    bool s0 = table.SeatTaken(0), s1 = table.SeatTaken(1);
    if (s0 && s1) matches.push_back(TWinButton{b, r, i, static_cast<int>(FRandom.Below(2))});
    else if (s0 && bye) matches.push_back(TWinButton{b, r, i, 0});
    else if (s0 || s1) forced.push_back(TWinButton{b, r, i, s0 ? 0 : 1});
  });
  // A host forces a bye only where nobody can come any more: at the earliest
  // round that has a single entry waiting.
  if (matches.empty() && !forced.empty()) {
    // The deciding tables wait for everyone else.
    auto deciding = [this](const TWinButton& b) { return ReachedLater(FT, b.Bracket, b.Round); };
    if (!std::all_of(forced.begin(), forced.end(), deciding)) std::erase_if(forced, deciding);
    // The grand final waits for the one-loss bracket's last match too.
    auto grandFinal = [this](const TWinButton& b) {
      return b.Bracket == Winners && b.Round == FT.Model.GrandFinalRound();
    };
    if (!std::all_of(forced.begin(), forced.end(), grandFinal)) std::erase_if(forced, grandFinal);
    int earliest = forced.front().Round;
    for (const TWinButton& b : forced) earliest = std::min(earliest, b.Round);
    std::erase_if(forced, [earliest](const TWinButton& b) { return b.Round != earliest; });
  }
  std::vector<TWinButton>& pool = matches.empty() ? forced : matches;
  if (pool.empty()) return false;
  click.Kind = TClickKind::Win;
  click.Button = pool[static_cast<size_t>(FRandom.Below(static_cast<int>(pool.size())))];
  if (FPlan.Order != TResultOrder::Random) {
    const bool reverse = FPlan.Order == TResultOrder::ReverseTables;
    click.Button = *std::min_element(pool.begin(), pool.end(), [reverse](const TWinButton& a, const TWinButton& b) {
      if (a.Round != b.Round) return a.Round < b.Round;
      if (a.Bracket != b.Bracket) return a.Bracket < b.Bracket;
      return reverse ? a.TableIndex > b.TableIndex : a.TableIndex < b.TableIndex;
    });
  }
  click.ForcedBye = matches.empty();
  return true;
}

bool TRandomTournament::ChooseRelease(TClick& click) {
  std::vector<TClick> decided;
  ForEachTabTable(FT, [&](const TTable& table, int b, int r, int i, bool) {
    if (!table.Decided() || !table.SeatTaken(0) || !table.SeatTaken(1)) return;
    // Releasing the winner takes the result back; pressing the loser moves it.
    bool moveIt = FRandom.Below(2) == 0;
    TClick c;
    c.Kind = moveIt ? TClickKind::Win : TClickKind::Release;
    c.Button = TWinButton{b, r, i, moveIt ? (table.Result & 1) : table.Result - 1};
    decided.push_back(c);
  });
  if (decided.empty()) return false;
  click = decided[static_cast<size_t>(FRandom.Below(static_cast<int>(decided.size())))];
  return true;
}

bool TRandomTournament::Choose(TClick& click) {
  if (Finished()) return false;
  click = TClick{};
  if (FPlan.PlayerCorrections && ChooseStrandedBye(click)) return true;
  if (FPlan.PlayerCorrections && FT.SignupsClosed && FRandom.Below(100) < 6 && ChoosePlayerCorrection(click)) {
    return true;
  }
  int roll = FPlan.Corrections ? FRandom.Below(100) : 99;
  if (roll < 5 && CanUndo(FT)) {
    click.Kind = TClickKind::Undo;
    return true;
  }
  if (roll < 9 && CanRedo(FT)) {
    click.Kind = TClickKind::Redo;
    return true;
  }
  if (roll < 13 && ChooseRelease(click)) return true;
  return ChooseWin(click);
}

void TRandomTournament::Perform(const TClick& click) {
  FLast = click;
  ++FClicks;
  switch (click.Kind) {
    case TClickKind::Undo: UndoClick(FT); break;
    case TClickKind::Redo: RedoClick(FT); break;
    case TClickKind::Release: WinButtonClick(FT, click.Button, false); break;
    case TClickKind::Win:
      if (click.ForcedBye) ++FForcedByes;
      WinButtonClick(FT, click.Button, true);
      break;
    default: PerformPlayerCorrection(click); break;
  }
}

std::vector<TWinButton> SeatsInPlay(const TTourney& t) {
  std::vector<TWinButton> seats;
  ForEachTabTable(t, [&](const TTable& table, int b, int r, int i, bool) {
    for (int s = 0; s < 2; ++s) {
      if (table.Result == 0 && table.SeatTaken(s)) seats.push_back(TWinButton{b, r, i, s});
    }
  });
  return seats;
}

std::string CheckInvariants(const TTourney& t) {
  const TModel& m = t.Model;
  for (int e = 0; e < m.PlayerCount(); ++e) {
    const TPlayer& p = m.Player(e);
    bool gap = false;
    for (int k = 0; k < kSlots; ++k) {
      TTableRef ref = p.Tables[static_cast<size_t>(k)];
      if (!ref.IsSet()) {
        gap = true;
        continue;
      }
      if (gap) return Sprintf("entry %d has a gap before slot %d", e, k);
      int seat = p.Seats[static_cast<size_t>(k)];
      if (seat < 0 || seat > 1 || m.Table(ref).Seat[static_cast<size_t>(seat)] != e) {
        return Sprintf("entry %d slot %d points at a seat that does not hold it", e, k);
      }
    }
  }
  for (int b = 0; b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      const TRound& round = m.Round(b, r);
      if (round.TableCount < 0 || round.TableCount > kTablesPerRound) return Sprintf("round %d/%d count", b, r);
      for (int i = 0; i < kTablesPerRound; ++i) {
        const TTable& table = round.Tables[static_cast<size_t>(i)];
        if (table.Result != 0 && table.Result != 1 && table.Result != 2 && table.Result != 4) {
          return Sprintf("table %d/%d/%d result %d", b, r, i, table.Result);
        }
        for (int s = 0; s < 2; ++s) {
          int16_t e = table.Seat[static_cast<size_t>(s)];
          if (e == kNoEntry) continue;
          if (e < 0 || e >= m.PlayerCount()) return Sprintf("table %d/%d/%d seat %d holds %d", b, r, i, s, e);
          bool linked = false;
          const TPlayer& p = m.Player(e);
          for (int k = 0; k < kSlots; ++k) {
            linked |= p.Tables[static_cast<size_t>(k)] == TTableRef::Of(b, r, i) && p.Seats[static_cast<size_t>(k)] == s;
          }
          if (!linked) return Sprintf("table %d/%d/%d seat %d holds entry %d without its link", b, r, i, s, e);
          if (table.Seat[static_cast<size_t>(1 - s)] == e) return Sprintf("table %d/%d/%d seats one entry twice", b, r, i);
          // Nobody can reach an entry waiting beyond its round's tables.
          if (table.Result == 0 && i >= round.TableCount) {
            return Sprintf("table %d/%d/%d beyond the round's %d tables holds entry %d", b, r, i, round.TableCount, e);
          }
        }
      }
    }
  }
  for (int f = 0; f < 5; ++f) {
    int32_t v = m.Final(static_cast<TFinal>(f));
    if (v < 0 || v >= kRounds) return Sprintf("decisive round %d is %d", f, v);
  }
  return {};
}

uint64_t SnapshotHash(const TTourney& t) {
  uint64_t h = 1469598103934665603ULL;
  auto mix = [&h](const void* data, size_t n) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < n; ++i) h = (h ^ bytes[i]) * 1099511628211ULL;
  };
  auto mixValues = [&mix](auto... v) { (mix(&v, sizeof v), ...); };
  const TModel& m = t.Model;
  for (int b = 0; b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      const TRound& round = m.Round(b, r);
      mixValues(round.TableCount, round.HasByeTable);
      for (const TTable& x : round.Tables) {
        mixValues(x.Number, x.Result, x.Seat[0], x.Seat[1], x.StartTime, x.FinishTime, x.Reminded15, x.Reminded10,
                  x.Reminded5);
      }
    }
  }
  for (const TPlayer& p : m.Players()) {
    mix(p.Name.data(), p.Name.size());
    mix(p.Member1.data(), p.Member1.size());
    mix(p.Member2.data(), p.Member2.size());
    mixValues(p.BootStart, p.BootCount, p.BootedTooLong, p.Disqualified, p.Points);
    for (size_t k = 0; k < kSlots; ++k) mixValues(p.Tables[k].Bracket, p.Tables[k].Round, p.Tables[k].Index, p.Seats[k]);
  }
  for (int f = 0; f < 5; ++f) mixValues(m.Final(static_cast<TFinal>(f)));
  return h;
}

}  // namespace vkr::test
