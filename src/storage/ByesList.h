#pragma once
// The "Players who've had a Bye" list of the status panels: each entry that
// won without an opponent, with the rounds of those byes, in name order.
#include <vector>

#include "storage/PointsState.h"

namespace vkr {

struct TTourney;

// Marks the list for rebuilding from the model.
void RefreshByesList(TTourney& t);
const std::vector<TByesListRow>& ByesListRows(TTourney& t);

}  // namespace vkr
