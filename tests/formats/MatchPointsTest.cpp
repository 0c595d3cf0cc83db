// The match-points presets and the choice of the list by tournament size.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "formats/MatchPointsMenu.h"
#include "formats/PointsList.h"
#include "formats/SizePoints.h"

namespace vkr {
namespace {

TEST(MatchPointsTest, PresetSetsEveryListChecksItAndSavesNothing) {
  test::TTestHost h;
  h.T.Storage.FileName = "t.vkr";
  h.T.Format.SizePointsLists[2] = TextToList("9,9,9");
  PointsClick(h.T, 3);
  EXPECT_EQ(h.LogLines(), (std::vector<std::string>{"Menu: Format/3 Points"}));
  const TPointsList fourSeven = TextToList("4,4,4,4,4,4,4,4,4,4,4,4,4,4,7");
  EXPECT_EQ(h.T.Context.MatchPoints, fourSeven);
  for (const TPointsList& list : h.T.Format.SizePointsLists) EXPECT_EQ(list, fourSeven);
  EXPECT_EQ(h.T.Format.CheckedPreset, 3);
  EXPECT_EQ(h.Files.Files.count("t.vkr"), 0u);
}

TEST(MatchPointsTest, SizeListFollowsTheGrandFinalRound) {
  test::TTestHost h;
  for (int k = 0; k < kSizeLists; ++k) h.T.Format.SizePointsLists[static_cast<size_t>(k)].fill(k + 1);
  const auto pick = [&h](int elim, int grandFinal) {
    h.T.ElimFormat = elim;
    h.T.Model.SetFinal(TFinal::GrandFinal, grandFinal);
    SelectSizePoints(h.T);
    return h.T.Context.MatchPoints[0] - 1;
  };
  EXPECT_EQ(pick(ElimDouble, 5), 1);  // "Points17to32"
  EXPECT_EQ(pick(ElimTriple, 4), 0);
  EXPECT_EQ(pick(ElimSingle, 5), 2);
  EXPECT_EQ(pick(ElimSingle, 1), 0);
  EXPECT_EQ(pick(ElimDouble, 14), 4);
}

}  // namespace
}  // namespace vkr
