#pragma once
// The "Current Player Points" grid: the players above 0 points, lowest total
// first, ties by name without regard to case; one empty row when there are
// none. The host may edit its cells until the next refresh replaces them.
#include <cstddef>
#include <string>
#include <vector>

#include "storage/PointsState.h"

namespace vkr {

struct TTourney;

enum class TGridColumn { Name, Points };

// Marks the grid for rebuilding from the players' current totals.
void RefreshPointsGrid(TTourney& t);
const std::vector<TPointsGridRow>& PointsGridRows(TTourney& t);
// False when the grid has no such row.
bool EditPointsGridCell(TTourney& t, size_t row, TGridColumn column, const std::string& text);

}  // namespace vkr
