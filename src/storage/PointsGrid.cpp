#include "storage/PointsGrid.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/Tourney.h"

namespace vkr {

void RefreshPointsGrid(TTourney& t) { t.Points.GridStale = true; }

const std::vector<TPointsGridRow>& PointsGridRows(TTourney& t) {
  TPointsState& s = t.Points;
  if (!s.GridStale) return s.Grid;
  std::vector<const TPlayer*> scored;
  for (const TPlayer& p : t.Model.Players()) {
    if (p.Points > 0) scored.push_back(&p);
  }
  std::stable_sort(scored.begin(), scored.end(), [](const TPlayer* a, const TPlayer* b) {
    if (a->Points != b->Points) return a->Points < b->Points;
    return CompareText(a->Name, b->Name) < 0;
  });
  s.Grid.clear();
  for (const TPlayer* p : scored) s.Grid.push_back({p->Name, std::to_string(p->Points)});
  if (s.Grid.empty()) s.Grid.emplace_back();
  s.GridStale = false;
  return s.Grid;
}

bool EditPointsGridCell(TTourney& t, size_t row, TGridColumn column, const std::string& text) {
  PointsGridRows(t);
  std::vector<TPointsGridRow>& grid = t.Points.Grid;
  if (row >= grid.size()) return false;
  (column == TGridColumn::Name ? grid[row].Name : grid[row].Points) = text;
  return true;
}

}  // namespace vkr
