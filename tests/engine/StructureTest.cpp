// The round structure: table counts and decisive rounds of a full bracket and
// of a real one, and the queries on the structure.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TourneyHost.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"

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

TEST(FullBracketStructure, TwoHundredFiftySixEntries) {
  TEngineHost doubleHost(ElimDouble), tripleHost(ElimTriple), singleHost(ElimSingle);
  EXPECT_EQ(FinalsOf(doubleHost.T.Model), (TFinals{7, 8, 10, 11, 13}));
  EXPECT_EQ(FinalsOf(tripleHost.T.Model), (TFinals{7, 8, 10, 11, 13}));
  EXPECT_EQ(FinalsOf(singleHost.T.Model).WinnersFinal, 6);
  EXPECT_EQ(FinalsOf(singleHost.T.Model).GrandFinal, 7);
  const TModel& m = tripleHost.T.Model;
  EXPECT_EQ(m.Round(Winners, 0).TableCount, 128);
  EXPECT_EQ(m.Round(OneLoss, 1).TableCount, 64);  // the 128 first-round losers
  EXPECT_EQ(m.Round(OneLoss, 2).TableCount, 64);  // 64 second-round losers and 64 winners
  EXPECT_EQ(m.Round(TwoLoss, 2).TableCount, 32);
  EXPECT_FALSE(m.Round(Winners, 8).HasByeTable);   // the grand final
  EXPECT_FALSE(m.Round(OneLoss, 11).HasByeTable);  // the one-loss champion meets the two-loss champion
}

TEST(RealBracketStructure, EveryEntryCountInEveryFormat) {
  for (int format : {ElimSingle, ElimDouble, ElimTriple}) {
    for (int n = 8; n <= 256; ++n) {
      SCOPED_TRACE("format " + std::to_string(format) + ", " + std::to_string(n) + " entries");
      TEngineHost h(format);
      SeatAndClose(h, n);
      const TExpected x = Expect(n, format);
      const TFinals got = FinalsOf(h.T.Model);
      EXPECT_EQ(got.WinnersFinal, x.Finals.WinnersFinal);
      EXPECT_EQ(got.GrandFinal, x.Finals.GrandFinal);
      if (format != ElimSingle) {
        EXPECT_EQ(got.OneLossFinal, x.Finals.OneLossFinal);
        EXPECT_EQ(got.OneLossLast, x.Finals.OneLossLast);
        EXPECT_EQ(got.TwoLossFinal, x.Finals.TwoLossFinal);
      }
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

TEST(RoundQueries, PointsRowsOfEachBracket) {
  TEngineHost s(ElimSingle), d(ElimDouble), t(ElimTriple);
  for (TEngineHost* h : {&d, &s, &t}) SeatAndClose(*h, 8);
  EXPECT_EQ(PointsRow(s.T, 0, Winners), 0);
  EXPECT_EQ(PointsRow(s.T, 1, Winners), 13);  // the semi-finals decide third place
  EXPECT_EQ(PointsRow(s.T, 2, Winners), 14);
  for (int r = 3; r < kRounds; ++r) EXPECT_EQ(PointsRow(d.T, r, Winners), 14) << r;
  EXPECT_EQ(PointsRow(d.T, 2, Winners), 2);
  EXPECT_EQ(PointsRow(d.T, 3, OneLoss), 3);
  EXPECT_EQ(PointsRow(d.T, 4, OneLoss), 13);
  EXPECT_EQ(PointsRow(d.T, 5, OneLoss), 5);
  EXPECT_EQ(PointsRow(t.T, 4, OneLoss), 4);
  EXPECT_EQ(PointsRow(t.T, 5, OneLoss), 13);
  EXPECT_EQ(PointsRow(t.T, 9, OneLoss), 13);
  EXPECT_EQ(PointsRow(t.T, 6, TwoLoss), 6);
}

TEST(RoundQueries, LabelsAndNames) {
  TEngineHost s(ElimSingle), d(ElimDouble), t(ElimTriple);
  for (TEngineHost* h : {&d, &s, &t}) SeatAndClose(*h, 8);
  EXPECT_EQ(RoundLabel(s.T, 0, Winners), "1");
  EXPECT_EQ(RoundLabel(s.T, 1, Winners), "SF");
  EXPECT_EQ(RoundLabel(s.T, 2, Winners), "GF");
  EXPECT_EQ(RoundLabel(d.T, 2, Winners), "WF");
  EXPECT_EQ(RoundLabel(d.T, 3, Winners), "GF");
  EXPECT_EQ(RoundLabel(d.T, 3, OneLoss), "4");
  EXPECT_EQ(RoundLabel(d.T, 4, OneLoss), "SF");
  EXPECT_EQ(RoundLabel(t.T, 4, OneLoss), "QF");
  EXPECT_EQ(RoundLabel(t.T, 5, OneLoss), "SF");
  EXPECT_EQ(RoundLabel(t.T, 6, TwoLoss), "QF");
  EXPECT_EQ(RoundLabel(t.T, 5, TwoLoss), "6");

  EXPECT_EQ(RoundName(s.T, 0, Winners), "Round 1");
  EXPECT_EQ(RoundName(s.T, 1, Winners), "the SEMI-FINALS");
  EXPECT_EQ(RoundName(s.T, 2, Winners), "the FINALS");
  EXPECT_EQ(RoundName(d.T, 2, Winners), "the WINNER'S FINALS");
  EXPECT_EQ(RoundName(d.T, 3, Winners), "the FINALS");
  EXPECT_EQ(RoundName(d.T, 4, OneLoss), "the SEMI-FINALS");
  EXPECT_EQ(RoundName(d.T, 2, OneLoss), "Round 3");
  EXPECT_EQ(RoundName(t.T, 4, OneLoss), "the QUARTER FINALS");
  EXPECT_EQ(RoundName(t.T, 5, OneLoss), "the SEMI-FINALS");
  EXPECT_EQ(RoundName(t.T, 6, TwoLoss), "the QUARTER FINALS");
}

}  // namespace
}  // namespace vkr::test
