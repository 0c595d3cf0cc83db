// The round structure: table counts and decisive rounds of a full bracket and
// of a real one, and the queries on the structure.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TourneyHost.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "timing/MatchClock.h"

namespace vkr::test {
namespace {

struct TFinals {
  int WinnersFinal, GrandFinal, OneLossFinal, OneLossLast, TwoLossFinal;
  bool operator==(const TFinals&) const = default;
};

void PrintTo(const TFinals& f, std::ostream* os) {
  *os << "WF " << f.WinnersFinal << " GF " << f.GrandFinal << " OLF " << f.OneLossFinal << " OLL " << f.OneLossLast
      << " TLF " << f.TwoLossFinal;
}

TFinals FinalsOf(const TModel& m) {
  return {m.WinnersFinalRound(), m.GrandFinalRound(), m.OneLossFinalRound(), m.OneLossLastRound(),
          m.TwoLossFinalRound()};
}

// Entries seated two to a table straight into the model, then sign-ups closed:
// the structure then comes from the real seating alone.
void SeatAndClose(TEngineHost& h, int entries) {
  TModel& m = h.T.Model;
  for (int i = 0; i < entries; ++i) {
    TPlayer p;
    p.Name = "E" + std::to_string(i);
    int e = m.AppendPlayer(p);
    const TTableRef ref = TTableRef::Of(Winners, 0, i / 2);
    m.SetSeat(ref, i % 2, static_cast<int16_t>(e));
    m.SetSlot(e, 0, ref, i % 2);
  }
  h.Close();
}

// The bracket sizes worked out from the entry counts alone: each round halves
// the winners, drops their losers one bracket down, and halves each lower
// bracket in turn.
struct TExpected {
  TFinals Finals{};
  int Tables[3][kRounds] = {};
  bool Bye[3][kRounds] = {};
};

TExpected Expect(int entries, int format) {
  TExpected x;
  int count[3] = {entries, 0, 0};
  int found[3] = {-1, -1, -1};
  for (int r = 0; r < 14; ++r) {
    for (int b = 0; b <= format; ++b) {
      x.Tables[b][r] = (count[b] + 1) / 2;
      x.Bye[b][r] = count[b] % 2 != 0;
    }
    int next[3] = {(count[0] + 1) / 2, count[0] / 2 + (count[1] + 1) / 2, count[1] / 2 + (count[2] + 1) / 2};
    for (int b = 0; b <= format; ++b) {
      if (next[b] == 1 && (found[b] < 0 || b == TwoLoss)) found[b] = r;
    }
    std::copy(next, next + 3, count);
    if (next[format] == 1) break;
  }
  int wf = std::max(found[0], 0), olf = std::max(found[1], 0), tlf = std::max(found[2], 0);
  if (format == ElimSingle) x.Finals = {wf - 1, wf, 0, 1, 0};
  else x.Finals = {wf, wf + 1, olf, olf + 1, format == ElimTriple ? tlf : 0};
  return x;
}

// Before sign-ups close the structure is laid out for 256 entries.
TEST(FullBracketStructure, TwoHundredFiftySixEntries) {
  TEngineHost doubleHost(ElimDouble), tripleHost(ElimTriple);
  EXPECT_EQ(FinalsOf(doubleHost.T.Model), (TFinals{7, 8, 10, 11, 13}));
  EXPECT_EQ(FinalsOf(tripleHost.T.Model), (TFinals{7, 8, 10, 11, 13}));
  const TModel& m = tripleHost.T.Model;
  EXPECT_EQ(m.Round(OneLoss, 2).TableCount, 64);  // 64 second-round losers and 64 winners
  EXPECT_EQ(m.Round(TwoLoss, 2).TableCount, 32);
}

TEST(RealBracketStructure, EveryEntryCountInEveryFormat) {
  for (int format : {ElimSingle, ElimDouble, ElimTriple}) {
    for (int n = 8; n <= 256; ++n) {
      SCOPED_TRACE("format " + std::to_string(format) + ", " + std::to_string(n) + " entries");
      TEngineHost h(format);
      SeatAndClose(h, n);
      const TExpected x = Expect(n, format);
      const TFinals got = FinalsOf(h.T.Model);
      EXPECT_EQ(got, x.Finals);
      for (int b = 0; b <= format; ++b) {
        int last = b == Winners ? got.GrandFinal - 1 : b == OneLoss ? got.OneLossFinal : got.TwoLossFinal;
        for (int r = b; r <= last; ++r) {
          EXPECT_EQ(h.T.Model.Round(b, r).TableCount, x.Tables[b][r]) << "bracket " << b << " round " << r;
          EXPECT_EQ(h.T.Model.Round(b, r).HasByeTable, x.Bye[b][r]) << "bracket " << b << " round " << r;
        }
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// Eight entries: single has its semi-final in round 2; double its winners
// final in round 3 and one-loss final in round 5; triple its one-loss final
// in round 6 and two-loss final in round 7.
TEST(RoundQueries, PointsAndLimitRowsLabelsAndNames) {
  TEngineHost hosts[] = {TEngineHost(ElimSingle), TEngineHost(ElimDouble), TEngineHost(ElimTriple)};
  for (TEngineHost& h : hosts) SeatAndClose(h, 8);
  // Row: the points row; LimitRow: the time limit the views use, which
  // differs for a double's winners final and a triple's one-loss rounds.
  struct TCase {
    int Format, Round, Bracket, Row, LimitRow;
    const char *Label, *Name;
  };
  const TCase cases[] = {
      {ElimSingle, 0, Winners, 0, 0, "1", "Round 1"},
      {ElimSingle, 1, Winners, 13, 13, "SF", "the SEMI-FINALS"},  // the semi-finals decide third place
      {ElimSingle, 2, Winners, 14, 14, "GF", "the FINALS"},
      {ElimDouble, 2, Winners, 2, 13, "WF", "the WINNER'S FINALS"},
      {ElimDouble, 3, Winners, 14, 14, "GF", "the FINALS"},
      {ElimDouble, 2, OneLoss, 2, 2, "3", "Round 3"},
      {ElimDouble, 3, OneLoss, 3, 3, "4", "Round 4"},
      {ElimDouble, 4, OneLoss, 13, 13, "SF", "the SEMI-FINALS"},
      {ElimTriple, 4, OneLoss, 4, 13, "QF", "the QUARTER FINALS"},
      {ElimTriple, 5, OneLoss, 13, 5, "SF", "the SEMI-FINALS"},
      {ElimTriple, 6, TwoLoss, 6, 6, "QF", "the QUARTER FINALS"},
      {ElimTriple, 5, TwoLoss, 5, 5, "6", "Round 6"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.Format << " bracket " << c.Bracket << " round " << c.Round);
    const TTourney& t = hosts[c.Format].T;
    EXPECT_EQ(PointsRow(t, c.Round, c.Bracket), c.Row);
    EXPECT_EQ(ViewLimitRow(t, c.Bracket, c.Round), c.LimitRow);
    EXPECT_EQ(RoundLabel(t, c.Round, c.Bracket), c.Label);
    EXPECT_EQ(RoundName(t, c.Round, c.Bracket), c.Name);
  }
  for (int r = 3; r < kRounds; ++r) EXPECT_EQ(PointsRow(hosts[ElimDouble].T, r, Winners), 14) << r;
  EXPECT_EQ(PointsRow(hosts[ElimDouble].T, 5, OneLoss), 5);  // after the one-loss final
  EXPECT_EQ(PointsRow(hosts[ElimTriple].T, 9, OneLoss), 13);
}

}  // namespace
}  // namespace vkr::test
