#include "formats/MatchPointsArrangement.h"

#include "engine/Results.h"
#include "engine/Tourney.h"
#include "formats/SettingLimits.h"
#include "formats/SizePoints.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"

namespace vkr {
namespace {

constexpr int kSemiRow = 13;

bool ValidRow(int row) { return row >= 0 && row < kPointsRows; }

}  // namespace

const std::array<const char*, kSizeLists> kSizeCaptions = {"    8 to 16", "  17 to 32", "  33 to 64", "  65 to 128",
                                                            "129 to 256"};

TMatchPointsArrangement OpenArrangement(const std::array<TPointsList, kSizeLists>& lists, int elim) {
  TMatchPointsArrangement a;
  a.Lists = lists;
  a.Elim = elim;
  a.SameForAll = true;
  for (size_t k = 1; k < kSizeLists; ++k) a.SameForAll = a.SameForAll && lists[k] == lists[0];
  return a;
}

const TPointsList& ShownList(const TMatchPointsArrangement& a) { return a.Lists[static_cast<size_t>(a.SizeIndex)]; }

void SetRowPoints(TMatchPointsArrangement& a, int row, int32_t points) {
  if (!ValidRow(row)) return;
  const int32_t value = Clamped(points, kMatchPointsRange);
  const size_t r = static_cast<size_t>(row);
  if (a.SameForAll) {
    for (TPointsList& list : a.Lists) list[r] = value;
  } else {
    a.Lists[static_cast<size_t>(a.SizeIndex)][r] = value;
  }
}

void SetSameForAll(TMatchPointsArrangement& a, bool same) {
  a.SameForAll = same;
  if (same) a.Lists.fill(ShownList(a));
}

void SelectSize(TMatchPointsArrangement& a, int sizeIndex) {
  if (sizeIndex >= 0 && sizeIndex < kSizeLists) a.SizeIndex = sizeIndex;
}

bool RowEnabled(const TMatchPointsArrangement& a, int row) {
  if (row <= 1 || row >= kSemiRow) return ValidRow(row);
  const int base = a.Elim == ElimTriple ? 14 : a.Elim == ElimDouble ? 10 : 6;
  const int reach = a.SameForAll ? base : base + a.SizeIndex - 4;
  return reach >= row + 1;
}

TMatchPointsArrangement OtherMatchPointsClick(TTourney& t) {
  WriteLogLine(t, "Menu: Format/Match Points/Other...");
  return OpenArrangement(t.Format.SizePointsLists, t.ElimFormat);
}

void ApplyArrangement(TTourney& t, const TMatchPointsArrangement& a) {
  t.Format.CheckedPreset = kPresetOther;
  for (size_t k = 0; k < kSizeLists; ++k) {
    TPointsList& list = t.Format.SizePointsLists[k];
    for (size_t r = 0; r < kPointsRows; ++r) list[r] = Clamped(a.Lists[k][r], kMatchPointsRange);
  }
  LogSizePointsLists(t);
  if (!t.SignupsClosed) {
    // The engine knows single, double and triple elimination only.
    if (a.Elim >= ElimSingle && a.Elim <= ElimTriple) SetElimFormat(t, a.Elim);
    SelectSizePoints(t);
  }
  // The changed lists are part of the tournament file; keep it current.
  SaveTournament(t);
}

}  // namespace vkr
