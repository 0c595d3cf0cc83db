#include "formats/SizePoints.h"

#include <algorithm>

#include "engine/Tourney.h"
#include "formats/PointsList.h"
#include "storage/ActionLog.h"

namespace vkr {

const std::array<const char*, kSizeLists> kSizePointsKeys = {"Points8to16", "Points17to32", "Points33to64",
                                                             "Points65to128", "Points129to256"};

void SelectSizePoints(TTourney& t) {
  int k = t.Model.GrandFinalRound() - (t.ElimFormat == ElimSingle ? 3 : 4);
  k = std::clamp(k, 0, kSizeLists - 1);
  t.Context.MatchPoints = t.Format.SizePointsLists[static_cast<size_t>(k)];
}

void LogSizePointsLists(TTourney& t) {
  for (size_t k = 0; k < kSizeLists; ++k) {
    WriteLogLine(t, std::string("    -> ") + kSizePointsKeys[k] + " = " + ListToText(t.Format.SizePointsLists[k]));
  }
}

}  // namespace vkr
