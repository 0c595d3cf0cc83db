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

// Tables of a round decided with a single entry (a bye, declared or forced):
// each holds one entry where a match would hold two.
int LoneDecidedTables(const TModel& m, int bracket, int round) {
  int lone = 0;
  for (const TTable& table : m.Round(bracket, round).Tables) {
    if (table.Decided() && table.SeatTaken(0) != table.SeatTaken(1)) ++lone;
  }
  return lone;
}

// A round's size from its entries: pairs at the tables, an odd one at the bye
// table, and with loneApart each bye already given at a table of its own.
// Never smaller than the entries already seated need: a count left short
// would put a waiting entry beyond the round's tables, where no opponent and
// no Win button can reach it, and drop a decided table's winner from the
// count of the round after it.
void SetRoundSize(TModel& m, int bracket, int round, int entries, bool loneApart) {
  if (round >= kRounds) return;
  const int lone = loneApart ? std::min(LoneDecidedTables(m, bracket, round), entries) : 0;
  const int paired = entries - lone;
  const int tables = lone + (paired + 1) / 2;
  m.SetTableCount(bracket, round, tables);
  // An odd entry waits at the bye table; a bye declared at the last table
  // keeps it the bye table.
  const size_t lastIndex = static_cast<size_t>(std::clamp(tables - 1, 0, kTablesPerRound - 1));
  const TTable& last = m.Round(bracket, round).Tables[lastIndex];
  const bool declaredBye = tables > 0 && last.Decided() && last.SeatTaken(0) && !last.SeatTaken(1);
  m.SetHasByeTable(bracket, round, paired % 2 != 0 || (lone > 0 && declaredBye));
  CoverSeatedEntries(m, bracket, round);
}

bool HasSlot(const TModel& m, int16_t entry, int slot) {
  return entry != kNoEntry && slot < kSlots && m.Player(entry).Tables[static_cast<size_t>(slot)].IsSet();
}

// Counts, for one round of one bracket that the count before it expects
// `entries` in, the entries that go on (next) and down (down) from it. Decided
// tables count by where their entries went; entries waiting alone and those
// still to come are paired in the order they sit down, an odd one getting the
// bye. Counting entries rather than tables keeps the count true whatever
// holes removals, reassignments and byes left between the tables. A round
// that decides its bracket sends its one finalist on even when that winner has
// no table after it: it is the champion, or it left the next table, where the
// other finalist is still to win.
void CountRound(const TModel& m, int bracket, int r, int entries, bool decidesBracket, bool byeSeats, int& next,
                int& down) {
  const TRound& round = m.Round(bracket, r);
  int placed = 0, waiting = 0;
  bool finalistLeft = false;
  for (const TTable& table : round.Tables) {
    const int seated = (table.SeatTaken(0) ? 1 : 0) + (table.SeatTaken(1) ? 1 : 0);
    if (seated == 0) continue;
    if (table.Result == 0) {
      if (seated == 1) {
        ++waiting;
        continue;
      }
      ++next;
      ++down;
      placed += 2;
      continue;
    }
    // With all byes in round 2 a bye holds the seat of the opponent it skips.
    placed += byeSeats && seated == 1 ? 2 : seated;
    if (!table.Decided()) continue;
    if (HasSlot(m, table.Loser(), r + 1)) ++down;
    if (HasSlot(m, table.Winner(), r + 1)) ++next;
    else finalistLeft = true;
  }
  const int unpaired = waiting + std::max(entries - placed - waiting, 0);
  next += (unpaired + 1) / 2;
  down += unpaired / 2;
  if (decidesBracket && finalistLeft && next == 0) next = 1;
}

}  // namespace

void CoverSeatedEntries(TModel& m, int bracket, int round) {
  if (round < 0 || round >= kRounds) return;
  const TRound& rd = m.Round(bracket, round);
  int last = -1;
  for (int i = kTablesPerRound - 1; i >= rd.TableCount && last < 0; --i) {
    const TTable& table = rd.Tables[static_cast<size_t>(i)];
    if (table.SeatTaken(0) || table.SeatTaken(1)) last = i;
  }
  if (last < 0) return;
  m.SetTableCount(bracket, round, last + 1);
  // A lone entry in the first seat of the new last table has (or waits for) its bye.
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
    SetRoundSize(m, Winners, r, w, false);
    SetRoundSize(m, OneLoss, r, o, false);
    SetRoundSize(m, TwoLoss, r, two, false);
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
  // The rounds that decided each bracket so far.
  const int winnersDecider = t.ElimFormat == ElimSingle ? m.GrandFinalRound() : m.WinnersFinalRound();
  const int oneLossFinal = m.OneLossFinalRound(), twoLossFinal = m.TwoLossFinalRound();
  m.SetFinal(TFinal::WinnersFinal, 0);
  m.SetFinal(TFinal::OneLossFinal, 0);
  m.SetFinal(TFinal::TwoLossFinal, 0);
  // The entries each bracket's round r holds or still expects; the first
  // round holds all of its entries already.
  int winners = 0, oneLoss = 0, twoLoss = 0;
  int last = 0;
  for (int r = 0; last != 1 && r < 14; ++r) {
    int next = 0, down = 0;
    const bool byesInRound2 = t.AllByesInRound2 && t.ElimFormat == ElimSingle;
    // Any one table without a bye decides the winners bracket.
    const TRound& round = m.Round(Winners, r);
    const bool decides = r == winnersDecider || (round.TableCount == 1 && !round.HasByeTable);
    CountRound(m, Winners, r, winners, decides, r == 1 && byesInRound2, next, down);
    // The grand final's loser has nowhere to go down to.
    if (winnersFound) down = 0;
    if (r == 0 && byesInRound2) {
      // Every planned round-2 bye, given or still to give: counting only those
      // still to give would shrink round 2 under the byes already seated there.
      TByeCounts counts;
      Get2ndRoundByeStatus(t, &counts);
      next += std::max(counts.TotalSeats - counts.PlayersInRound, 0);
    }
    // With all byes in round 2 its byes are counted as seats of their own.
    SetRoundSize(m, Winners, r + 1, next, !(r == 0 && byesInRound2));
    winners = next;
    if (next == 1 && !winnersFound) {
      m.SetFinal(TFinal::WinnersFinal, r);
      winnersFound = true;
    }
    last = next;
    if (t.ElimFormat == ElimSingle) continue;

    int oneNext = down, oneDown = 0;
    CountRound(m, OneLoss, r, oneLoss, r == oneLossFinal, false, oneNext, oneDown);
    // Nor has the loser of the one-loss bracket's last match.
    if (oneLossFound) oneDown = 0;
    SetRoundSize(m, OneLoss, r + 1, oneNext, true);
    oneLoss = oneNext;
    if (oneNext == 1 && !oneLossFound) {
      m.SetFinal(TFinal::OneLossFinal, r);
      oneLossFound = true;
    }
    last = oneNext;
    if (t.ElimFormat == ElimDouble) continue;

    int twoNext = oneDown, twoDown = 0;
    CountRound(m, TwoLoss, r, twoLoss, r == twoLossFinal, false, twoNext, twoDown);
    SetRoundSize(m, TwoLoss, r + 1, twoNext, true);
    twoLoss = twoNext;
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
