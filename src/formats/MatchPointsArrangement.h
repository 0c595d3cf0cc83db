#pragma once
// "Other..." match points: a working copy of the five lists by tournament
// size and the elimination type, kept in step as the host edits it.
#include <array>

#include "formats/FormatState.h"

namespace vkr {

struct TTourney;

// The elimination types of the arrangement; round robin has no radio button.
constexpr int kArrangementRoundRobin = 3;

struct TMatchPointsArrangement {
  std::array<TPointsList, kSizeLists> Lists{};
  int Elim = 0;            // ElimSingle, ElimDouble, ElimTriple or kArrangementRoundRobin
  bool SameForAll = true;  // "Points are always the same regardless of number of players"
  int SizeIndex = 0;       // the size whose list is shown
};

// The size list's items, leading blanks included.
extern const std::array<const char*, kSizeLists> kSizeCaptions;

// Opens on copies; the box is checked when lists 1..4 all equal list 0.
TMatchPointsArrangement OpenArrangement(const std::array<TPointsList, kSizeLists>& lists, int elim);
const TPointsList& ShownList(const TMatchPointsArrangement& a);
// Writes one row (clamped to the match-points range) into every list while
// the box is checked, else into the shown list only.
void SetRowPoints(TMatchPointsArrangement& a, int row, int32_t points);
// Checking copies the shown list into all five.
void SetSameForAll(TMatchPointsArrangement& a, bool same);
void SelectSize(TMatchPointsArrangement& a, int sizeIndex);
// Rounds 1, 2, the semi-final and the final always; round k (3..13) when the
// elimination type and the size can reach it.
bool RowEnabled(const TMatchPointsArrangement& a, int row);

// The Format menu's "Other...": logs and opens on the tournament's lists.
TMatchPointsArrangement OtherMatchPointsClick(TTourney& t);
// OK: the lists and, while sign-ups are open, the elimination type reach the
// tournament, which is saved.
void ApplyArrangement(TTourney& t, const TMatchPointsArrangement& a);

}  // namespace vkr
