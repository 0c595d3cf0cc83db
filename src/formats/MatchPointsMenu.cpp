#include "formats/MatchPointsMenu.h"

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/PointsList.h"
#include "storage/ActionLog.h"

namespace vkr {

void PointsClick(TTourney& t, int tag) {
  WriteLogLine(t, Sprintf("Menu: Format/%d Points", tag));
  t.Context.MatchPoints = PointsPresets[static_cast<size_t>(tag)];
  t.Format.SizePointsLists.fill(t.Context.MatchPoints);
  t.Format.CheckedPreset = tag;
}

}  // namespace vkr
