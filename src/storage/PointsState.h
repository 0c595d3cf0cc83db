#pragma once
// The derived player state the host window shows: the count of entries still
// in play, the "Current Player Points" grid and the byes list. The refresh
// runs before every save, so it only marks the rows stale; they are rebuilt
// from the model when next read.
#include <cstdint>
#include <string>
#include <vector>

namespace vkr {

struct TPointsGridRow {
  std::string Name, Points;
};

struct TByesListRow {
  std::string Name;
  std::string Rounds;  // the 1-based rounds of the byes, "2, 4"
};

struct TPointsState {
  int32_t ActiveCount = 0;
  bool GridStale = true;
  std::vector<TPointsGridRow> Grid;
  bool ByesStale = true;
  std::vector<TByesListRow> Byes;
};

}  // namespace vkr
