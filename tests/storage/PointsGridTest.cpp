#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

std::vector<std::string> GridText(TTourney& t) {
  std::vector<std::string> rows;
  for (const TPointsGridRow& row : PointsGridRows(t)) rows.push_back(row.Name + "=" + row.Points);
  return rows;
}

TEST(PointsGrid, AboveZeroLowestFirstTiesByNameIgnoringCaseEditsLastUntilRefresh) {
  TTestHost h;
  StartEight(h, ElimDouble);
  EXPECT_EQ(GridText(h.T), std::vector<std::string>{"="});
  PlayDoubleEight(h, "Dave");
  h.T.Model.SetName(7, "bart");  // Hank: tied with Gina, before her only when case is ignored
  UpdatePlayerState(h.T);
  EXPECT_EQ(GridText(h.T), (std::vector<std::string>{"bart=2", "Gina=2", "Alice=4", "Bob=10", "Erin=16", "Dave=25"}));
  ASSERT_TRUE(EditPointsGridCell(h.T, 5, TGridColumn::Points, "7"));
  EXPECT_FALSE(EditPointsGridCell(h.T, 6, TGridColumn::Name, "x"));
  EXPECT_EQ(GridText(h.T).back(), "Dave=7");
  UpdatePlayerState(h.T);
  EXPECT_EQ(GridText(h.T).back(), "Dave=25");
}

}  // namespace
}  // namespace vkr::test
