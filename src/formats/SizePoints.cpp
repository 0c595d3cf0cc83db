#include "formats/SizePoints.h"

#include <algorithm>

#include "engine/Tourney.h"

namespace vkr {

void SelectSizePoints(TTourney& t) {
  int k = t.Model.GrandFinalRound() - (t.ElimFormat == ElimSingle ? 3 : 4);
  k = std::clamp(k, 0, kSizeLists - 1);
  t.Context.MatchPoints = t.Format.SizePointsLists[static_cast<size_t>(k)];
}

}  // namespace vkr
