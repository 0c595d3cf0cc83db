// Reading the 15-value lists, and the match-points list chosen by size.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "formats/PointsList.h"
#include "formats/SizePoints.h"

namespace vkr {
namespace {

TEST(PointsTest, CountOfNumbersDecidesWhereTheyGo) {
  std::string many;  // reading stops after 1025 numbers
  for (int i = 1; i <= 2000; ++i) many += std::to_string(i) + ",";
  const std::pair<std::string, std::string> cases[] = {
      {"3,3,3,3,3,3,3,3,3,3,3,3,3,5", "3,3,3,3,3,3,3,3,3,3,3,3,3,3,5"},
      {" 4 , 5 ,6", "4,4,4,4,4,4,4,4,4,4,4,4,4,5,6"},
      {"2,7", "2,7,0,0,0,0,0,0,0,0,0,0,0,0,0"},
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "1,2,3,4,5,6,7,8,9,10,11,12,13,15,16"},
      {many, "1,2,3,4,5,6,7,8,9,10,11,12,13,1024,1025"},
      {"abc", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
      {"3,-2,5", "3,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
      {"1234567890", "123456789,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},  // ten digits make two numbers
  };
  for (const auto& [text, list] : cases) EXPECT_EQ(ListToText(TextToList(text)), list) << text.substr(0, 40);
}

TEST(PointsTest, SizeListFollowsTheGrandFinalRound) {
  test::TTestHost h;
  for (int k = 0; k < kSizeLists; ++k) h.T.Format.SizePointsLists[static_cast<size_t>(k)].fill(k);
  const auto pick = [&h](int elim, int grandFinal) {
    h.T.ElimFormat = elim;
    h.T.Model.SetFinal(TFinal::GrandFinal, grandFinal);
    SelectSizePoints(h.T);
    return h.T.Context.MatchPoints[0];
  };
  EXPECT_EQ(pick(ElimDouble, 5), 1);  // "Points17to32"
  EXPECT_EQ(pick(ElimSingle, 5), 2);
  EXPECT_EQ(pick(ElimTriple, 1), 0);
  EXPECT_EQ(pick(ElimDouble, 14), 4);
}

}  // namespace
}  // namespace vkr
