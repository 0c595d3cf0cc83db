#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "storage/ByesList.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "storage/TourneyDriver.h"

namespace vkr::test {
namespace {

std::vector<std::string> GridText(TTourney& t) {
  std::vector<std::string> rows;
  for (const TPointsGridRow& row : PointsGridRows(t)) rows.push_back(row.Name + "=" + row.Points);
  return rows;
}

TEST(PointsGrid, ListsPlayersAboveZeroLowestFirstTiesByNameIgnoringCase) {
  TTestHost h;
  PlayDoubleEight(h, "Dave");
  h.T.Model.SetName(7, "bart");  // Hank: ties with Gina at 2, before her only when case is ignored
  UpdatePlayerState(h.T);
  EXPECT_EQ(GridText(h.T), (std::vector<std::string>{"bart=2", "Gina=2", "Alice=4", "Bob=10", "Erin=16", "Dave=25"}));
}

TEST(PointsGrid, HostEditsStayUntilTheNextRefresh) {
  TTestHost h;
  PlayDoubleEight(h, "Dave");
  ASSERT_TRUE(EditPointsGridCell(h.T, 0, TGridColumn::Points, "7"));
  ASSERT_TRUE(EditPointsGridCell(h.T, 5, TGridColumn::Name, "David"));
  EXPECT_FALSE(EditPointsGridCell(h.T, 6, TGridColumn::Points, "1"));
  EXPECT_EQ(GridText(h.T).front(), "Gina=7");
  EXPECT_EQ(GridText(h.T).back(), "David=25");
  UpdatePlayerState(h.T);
  EXPECT_EQ(GridText(h.T).front(), "Gina=2");
  EXPECT_EQ(GridText(h.T).back(), "Dave=25");
}

TEST(PointsGrid, NobodyAboveZeroGivesOneEmptyRow) {
  TTestHost h;
  StartEight(h, ElimSingle);
  EXPECT_EQ(GridText(h.T), std::vector<std::string>{"="});
}

TEST(ByesList, NamesEveryEntryWithTheRoundsOfItsByesInNameOrder) {
  TTestHost h;
  TModel& m = h.T.Model;
  for (const char* name : {"Zed", "amy", "Kim"}) {
    TPlayer p;
    p.Name = name;
    m.AppendPlayer(p);
  }
  int16_t nextSlot[3] = {};
  auto seat = [&](int entry, int round, int index, int seatIndex, int result) {
    const TTableRef ref = TTableRef::Of(Winners, round, index);
    m.SetSeat(ref, seatIndex, static_cast<int16_t>(entry));
    m.SetSlot(entry, nextSlot[entry]++, ref, seatIndex);
    m.SetResult(ref, result);
  };
  seat(0, 0, 0, 0, 1);  // Zed beats amy
  seat(1, 0, 0, 1, 1);
  seat(0, 1, 0, 1, 2);  // Zed alone in seat 1 wins: a bye in round 2
  seat(1, 1, 1, 0, 1);  // amy's bye in round 2
  seat(0, 2, 0, 0, 2);  // Kim beats Zed
  seat(2, 2, 0, 1, 2);
  seat(0, 3, 0, 0, 1);  // Zed's bye in round 4
  seat(0, 4, 0, 0, 0);  // alone, no result yet
  UpdatePlayerState(h.T);
  const std::vector<TByesListRow>& rows = ByesListRows(h.T);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Name + "=" + rows[0].Rounds, "amy=2");
  EXPECT_EQ(rows[1].Name + "=" + rows[1].Rounds, "Zed=2, 4");
}

}  // namespace
}  // namespace vkr::test
