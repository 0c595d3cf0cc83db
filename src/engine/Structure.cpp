#include "engine/Structure.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/SignUp.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
#include "formats/SizePoints.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

// Fills the decisive indexes that follow from the winners and one-loss
// finals, as both structure computations end.
void CompleteFinals(TTourney& t) {
  TModel& m = t.Model;
  m.SetFinal(TFinal::GrandFinal, m.WinnersFinalRound() + 1);
  m.SetFinal(TFinal::OneLossLast, m.OneLossFinalRound() + 1);
  if (m.GrandFinalRound() < kRounds) m.SetHasByeTable(Winners, m.GrandFinalRound(), false);
  if (m.OneLossLastRound() < kRounds) m.SetHasByeTable(OneLoss, m.OneLossLastRound(), false);
  if (t.ElimFormat == ElimSingle) {
    m.SetFinal(TFinal::WinnersFinal, m.WinnersFinalRound() - 1);
    m.SetFinal(TFinal::GrandFinal, m.GrandFinalRound() - 1);
  }
  UpdateBracketTabs(t);
  SelectSizePoints(t);
}

// A round's size from its entries, never smaller than the entries already
// waiting in it need: counts that corrections and forced byes left short
// would otherwise put a seated entry beyond the round's tables, where no
// opponent and no Win button can ever reach it.
void SetRoundSize(TModel& m, int bracket, int round, int entries) {
  if (round >= kRounds) return;
  m.SetTableCount(bracket, round, (entries + 1) / 2);
  m.SetHasByeTable(bracket, round, entries % 2 != 0);
  CoverWaitingEntries(m, bracket, round);
}

bool HasSlot(const TModel& m, int16_t entry, int slot) {
  return entry != kNoEntry && slot < kSlots && m.Player(entry).Tables[static_cast<size_t>(slot)].IsSet();
}

// Counts, for one round of one bracket, the entries that go on (next) and
// down (down) from it, growing the round for forced byes.
void CountRound(TModel& m, int bracket, int r, bool oneTableClause, bool byesInRound2, int& next, int& down) {
  int n = m.Round(bracket, r).TableCount - (m.Round(bracket, r).HasByeTable ? 1 : 0);
  for (int i = 0; i < n && i < kTablesPerRound; ++i) {
    const TTable& table = m.Table(bracket, r, i);
    if (table.Result == 0) {
      ++next;
      ++down;
      continue;
    }
    if (!table.Decided()) continue;
    int16_t winner = table.Winner();
    int16_t loser = table.Loser();
    if (loser != kNoEntry) {
      if (HasSlot(m, loser, r + 1)) ++down;
    } else if (bracket == Winners && (r == 0 || (r == 1 && byesInRound2))) {
      // No growth: the first round is fixed when sign-ups close and never
      // recomputed, so growing it would grow it again on every recomputation;
      // and with all byes in round 2 the round-2 byes are already counted in
      // the round's size. Nobody is displaced by these byes.
    } else if (m.Round(bracket, r).HasByeTable) {
      m.SetHasByeTable(bracket, r, false);
      ++n;
    } else if (m.Round(bracket, r).TableCount < kSearchTables[bracket]) {
      m.SetHasByeTable(bracket, r, true);
      m.SetTableCount(bracket, r, m.Round(bracket, r).TableCount + 1);
    }
    if (HasSlot(m, winner, r + 1) || (oneTableClause && n == 1)) ++next;
  }
  const TRound& round = m.Round(bracket, r);
  if (round.HasByeTable && round.TableCount > 0) {
    const TTable& bye = m.Table(bracket, r, round.TableCount - 1);
    bool declared = bye.Result == 1 && !HasSlot(m, bye.Seat[0], r + 1);
    if (!declared) ++next;
  }
}

}  // namespace

void CoverWaitingEntries(TModel& m, int bracket, int round) {
  if (round < 0 || round >= kRounds) return;
  const TRound& rd = m.Round(bracket, round);
  int last = -1;
  for (int i = kTablesPerRound - 1; i >= rd.TableCount && last < 0; --i) {
    const TTable& table = rd.Tables[static_cast<size_t>(i)];
    if (table.Result == 0 && (table.SeatTaken(0) || table.SeatTaken(1))) last = i;
  }
  if (last < 0) return;
  m.SetTableCount(bracket, round, last + 1);
  // A lone entry in the first seat of the new last table waits for its bye.
  const TTable& table = rd.Tables[static_cast<size_t>(last)];
  m.SetHasByeTable(bracket, round, table.SeatTaken(0) && !table.SeatTaken(1));
}

void ClearBrackets(TTourney& t) {
  t.Model.Reset();
  for (std::string& label : t.View.EmailLabels) label.clear();
  for (std::string& box : t.View.EmailBoxes) box.clear();
  t.View.EmailPanelShown = false;
  t.View.AssignByesItemEnabled = true;
  t.Ports.Screen->ControlsChanged();
}

void NumberTables(TTourney& t) {
  TModel& m = t.Model;
  const int32_t L = t.LobbyTableCount;
  const int32_t M = L & ~3;
  for (int r = 0; r < kRounds; ++r) {
    const int32_t S = t.StartTables[static_cast<size_t>(r)];
    for (int i = 0; i < kTablesPerRound; ++i) {
      if (r == 0 || t.ElimFormat == ElimSingle) {
        m.SetTableNumber(TTableRef::Of(Winners, r, i), (S + i - 1) % L + 1);
      } else if (t.ElimFormat == ElimDouble) {
        m.SetTableNumber(TTableRef::Of(Winners, r, i), (((S + 2 * i + 1) & ~1) - 1) % L + 1);
        m.SetTableNumber(TTableRef::Of(OneLoss, r, i), ((S + 2 * i) & ~1) % L + 1);
      } else {
        const int32_t B = ((S + 1) / 4 + i) * 4;
        m.SetTableNumber(TTableRef::Of(Winners, r, i), B % M + 1);
        m.SetTableNumber(TTableRef::Of(OneLoss, r, i), (B + 1) % M + 1);
        m.SetTableNumber(TTableRef::Of(TwoLoss, r, i), (B + 2) % M + 1);
      }
    }
  }
}

void UpdateTableCount(TTourney& t, int n) {
  WriteLogLine(t, "    -> UpdateTableCount");
  TModel& m = t.Model;
  for (TFinal f : {TFinal::WinnersFinal, TFinal::OneLossFinal, TFinal::TwoLossFinal, TFinal::OneLossLast,
                   TFinal::GrandFinal})
    m.SetFinal(f, 0);
  int w = n, o = 0, two = 0;
  for (int r = 0; two != 1 && r < kRounds; ++r) {
    SetRoundSize(m, Winners, r, w);
    SetRoundSize(m, OneLoss, r, o);
    SetRoundSize(m, TwoLoss, r, two);
    int two2 = o / 2 + (two + 1) / 2;
    int o2 = w / 2 + (o + 1) / 2;
    int w2 = (w + 1) / 2;
    if (two2 == 1) m.SetFinal(TFinal::TwoLossFinal, r);
    if (o2 == 1 && m.OneLossFinalRound() == 0) m.SetFinal(TFinal::OneLossFinal, r);
    if (w2 == 1 && m.WinnersFinalRound() == 0) m.SetFinal(TFinal::WinnersFinal, r);
    w = w2;
    o = o2;
    two = two2;
  }
  CompleteFinals(t);
}

void UpdateFullTableCount(TTourney& t) {
  WriteLogLine(t, "    -> UpdateFullTableCount");
  TModel& m = t.Model;
  bool winnersFound = false, oneLossFound = false;
  m.SetFinal(TFinal::WinnersFinal, 0);
  m.SetFinal(TFinal::OneLossFinal, 0);
  m.SetFinal(TFinal::TwoLossFinal, 0);
  int last = 0;
  for (int r = 0; last != 1 && r < 14; ++r) {
    int next = 0, down = 0;
    const bool byesInRound2 = t.AllByesInRound2 && t.ElimFormat == ElimSingle;
    CountRound(m, Winners, r, true, byesInRound2, next, down);
    if (r == 0 && byesInRound2) {
      // Every planned round-2 bye, given or still to give: counting only those
      // still to give would shrink round 2 under the byes already seated there.
      TByeCounts counts;
      Get2ndRoundByeStatus(t, &counts);
      next += std::max(counts.TotalSeats - counts.PlayersInRound, 0);
    }
    SetRoundSize(m, Winners, r + 1, next);
    if (next == 1 && !winnersFound) {
      m.SetFinal(TFinal::WinnersFinal, r);
      winnersFound = true;
    }
    last = next;
    if (t.ElimFormat == ElimSingle) continue;

    int oneNext = down, oneDown = 0;
    CountRound(m, OneLoss, r, false, false, oneNext, oneDown);
    SetRoundSize(m, OneLoss, r + 1, oneNext);
    if (oneNext == 1 && !oneLossFound) {
      m.SetFinal(TFinal::OneLossFinal, r);
      oneLossFound = true;
    }
    last = oneNext;
    if (t.ElimFormat == ElimDouble) continue;

    int twoNext = oneDown, twoDown = 0;
    CountRound(m, TwoLoss, r, false, false, twoNext, twoDown);
    SetRoundSize(m, TwoLoss, r + 1, twoNext);
    if (twoNext == 1) m.SetFinal(TFinal::TwoLossFinal, r);
    last = twoNext;
  }
  CompleteFinals(t);
}

void NumberDecidingTables(TTourney& t) {
  TModel& m = t.Model;
  const int32_t L = t.LobbyTableCount;
  const int32_t M = L & ~3;
  const TPointsList& S = t.StartTables;
  auto start = [&](int round) { return S[static_cast<size_t>(std::clamp(round, 0, kRounds - 1))]; };
  const int wf = m.WinnersFinalRound(), olf = m.OneLossFinalRound();
  m.SetTableNumber(TTableRef::Of(Winners, std::min(m.GrandFinalRound(), kRounds - 1), 0), S[14]);
  if (t.ElimFormat == ElimSingle) {
    // Without any semi-final round (every first-round match abandoned) the
    // index is -1: there are no semi-final tables to number.
    if (wf < 0) return;
    m.SetTableNumber(TTableRef::Of(Winners, wf, 0), S[13]);
    m.SetTableNumber(TTableRef::Of(Winners, wf, 1), S[13] + 1);
  } else if (t.ElimFormat == ElimDouble) {
    m.SetTableNumber(TTableRef::Of(Winners, wf, 0), (((start(wf) + 1) & ~1) - 1) % L + 1);
    m.SetTableNumber(TTableRef::Of(OneLoss, olf, 0), (S[13] & ~1) + 1);
  } else {
    m.SetTableNumber(TTableRef::Of(Winners, wf, 0), ((start(wf) + 1) & ~3) % M + 1);
    m.SetTableNumber(TTableRef::Of(OneLoss, olf, 0), (((start(olf) + 1) & ~3) + 1) % M + 1);
    m.SetTableNumber(TTableRef::Of(OneLoss, std::min(m.OneLossLastRound(), kRounds - 1), 0), S[13]);
  }
}

std::vector<bool> NumbersInUse(const TTourney& t, int bracket, int round) {
  const TModel& m = t.Model;
  std::vector<bool> used(static_cast<size_t>(std::max(t.LobbyTableCount, 1)) + 1, false);
  for (int b = 0; b <= t.ElimFormat && b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      const TRound& rd = m.Round(b, r);
      for (int i = 0; i < rd.TableCount && i < kTablesPerRound; ++i) {
        const TTable& table = rd.Tables[static_cast<size_t>(i)];
        if (table.Result != 0) continue;
        bool isBye = rd.HasByeTable && i == rd.TableCount - 1;
        bool anySeat = table.SeatTaken(0) || table.SeatTaken(1);
        bool inUse = table.StartTime > 0 || (isBye && table.SeatTaken(0)) ||
                     (anySeat && !(b == bracket && r == round));
        if (!inUse || table.Number < 0) continue;
        if (static_cast<size_t>(table.Number) >= used.size()) used.resize(static_cast<size_t>(table.Number) + 1, false);
        used[static_cast<size_t>(table.Number)] = true;
      }
    }
  }
  for (int32_t v : t.VoidTables) {
    if (v < 0) continue;
    if (static_cast<size_t>(v) >= used.size()) used.resize(static_cast<size_t>(v) + 1, false);
    used[static_cast<size_t>(v)] = true;
  }
  return used;
}

bool TableNumberInUse(const TTourney& t, int bracket, int round, int32_t number) {
  std::vector<bool> used = NumbersInUse(t, bracket, round);
  return number >= 0 && static_cast<size_t>(number) < used.size() && used[static_cast<size_t>(number)];
}

int PointsRow(const TTourney& t, int round, int bracket) {
  const TModel& m = t.Model;
  if (bracket == Winners) {
    if (round >= m.GrandFinalRound()) return 14;
    if (t.ElimFormat == ElimSingle && round == m.WinnersFinalRound()) return 13;
    return round;
  }
  if (bracket == OneLoss) {
    if (t.ElimFormat == ElimDouble && round == m.OneLossFinalRound()) return 13;
    if (t.ElimFormat == ElimTriple && round >= m.OneLossLastRound()) return 13;
  }
  return round;
}

namespace {

enum class TRoundKind { Numbered, GrandFinal, WinnersFinal, SemiFinal, QuarterFinal };

TRoundKind KindOfRound(const TTourney& t, int round, int bracket) {
  const TModel& m = t.Model;
  if (bracket == Winners) {
    if (round == m.GrandFinalRound()) return TRoundKind::GrandFinal;
    if (round == m.WinnersFinalRound()) return t.ElimFormat == ElimSingle ? TRoundKind::SemiFinal : TRoundKind::WinnersFinal;
  } else if (bracket == OneLoss) {
    if (round == m.OneLossLastRound()) return TRoundKind::SemiFinal;
    if (round == m.OneLossFinalRound()) return t.ElimFormat == ElimDouble ? TRoundKind::SemiFinal : TRoundKind::QuarterFinal;
  } else if (round == m.TwoLossFinalRound()) {
    return TRoundKind::QuarterFinal;
  }
  return TRoundKind::Numbered;
}

}  // namespace

std::string RoundLabel(const TTourney& t, int round, int bracket) {
  switch (KindOfRound(t, round, bracket)) {
    case TRoundKind::GrandFinal: return "GF";
    case TRoundKind::WinnersFinal: return "WF";
    case TRoundKind::SemiFinal: return "SF";
    case TRoundKind::QuarterFinal: return "QF";
    case TRoundKind::Numbered: break;
  }
  return std::to_string(round + 1);
}

std::string RoundName(const TTourney& t, int round, int bracket) {
  switch (KindOfRound(t, round, bracket)) {
    case TRoundKind::GrandFinal: return "the FINALS";
    case TRoundKind::WinnersFinal: return "the WINNER'S FINALS";
    case TRoundKind::SemiFinal: return "the SEMI-FINALS";
    case TRoundKind::QuarterFinal: return "the QUARTER FINALS";
    case TRoundKind::Numbered: break;
  }
  return Sprintf("Round %d", round + 1);
}

int LastTabRound(const TTourney& t, int bracket) {
  const TModel& m = t.Model;
  if (bracket == Winners) return m.GrandFinalRound();
  if (bracket == OneLoss) return t.ElimFormat == ElimTriple ? m.OneLossLastRound() : m.OneLossFinalRound();
  return m.TwoLossFinalRound();
}

bool RoundComplete(const TTourney& t, int bracket, int round) {
  const TRound& rd = t.Model.Round(bracket, round);
  for (int i = 0; i < rd.TableCount && i < kTablesPerRound; ++i) {
    if (rd.Tables[static_cast<size_t>(i)].Result == 0) return false;
  }
  return true;
}

}  // namespace vkr
