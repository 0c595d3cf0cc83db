// The 15-value lists as text, including the older 14-number lists.
#include <gtest/gtest.h>

#include "formats/PointsList.h"

namespace vkr {
namespace {

TPointsList L(std::initializer_list<int32_t> values) {
  TPointsList list{};
  std::copy(values.begin(), values.end(), list.begin());
  return list;
}

TEST(PointsListTest, ShortListsRepeatTheLastRoundBeforeSemiAndFinal) {
  // The older 14-number lists: rounds 1..13 and the semi-final 3, the final 5.
  EXPECT_EQ(TextToList("3,3,3,3,3,3,3,3,3,3,3,3,3,5"), L({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5}));
  EXPECT_EQ(TextToList("1,2,3,4,5,6,7,8,9,10,11,12,13,14"), L({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 12, 13, 14}));
  EXPECT_EQ(TextToList(" 4 , 5 ,6"), L({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 6}));
  EXPECT_EQ(TextToList("2,7"), L({2, 7}));
  EXPECT_EQ(TextToList("9"), L({9}));
}

TEST(PointsListTest, LongListsKeepThirteenRoundsAndTheirLastTwo) {
  EXPECT_EQ(TextToList("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"),
            L({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(TextToList("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"),
            L({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16}));
  // Reading stops after 1025 numbers, so the last two taken are 1024 and 1025.
  std::string many;
  for (int i = 1; i <= 2000; ++i) many += (i > 1 ? "," : "") + std::to_string(i);
  EXPECT_EQ(TextToList(many), L({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1024, 1025}));
}

TEST(PointsListTest, OddTextStopsAtWhatStartsNoNumber) {
  EXPECT_EQ(TextToList(""), TPointsList{});
  EXPECT_EQ(TextToList("abc"), TPointsList{});
  EXPECT_EQ(TextToList("3,-2,5"), L({3}));
  EXPECT_EQ(TextToList("1,,2"), L({1}));
  // A run of more than nine digits continues as the next number.
  EXPECT_EQ(TextToList("1234567890"), L({123456789, 0}));
  EXPECT_EQ(TextToList("999999999999999999"), L({999999999, 999999999}));
}

TEST(PointsListTest, TextRoundTripsAndPresetsAreRecognised) {
  const TPointsList list = L({-1, 0, 2147483647, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  EXPECT_EQ(ListToText(list), "-1,0,2147483647,4,5,6,7,8,9,10,11,12,13,14,15");
  EXPECT_EQ(ListToText(TPointsList{}), "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(MatchingPreset(TextToList("2,2,2,2,2,2,2,2,2,2,2,2,2,2,5")), 1);
  EXPECT_EQ(MatchingPreset(TextToList("5,5,5,5,5,5,5,5,5,5,5,5,5,5,7")), 4);
  EXPECT_EQ(MatchingPreset(L({2, 7})), kPresetOther);
}

}  // namespace
}  // namespace vkr
