// The player list editor and the confirmations dialog's filter.
#include <gtest/gtest.h>

#include "engine/ConfirmBoxes.h"
#include "engine/NameList.h"
#include "engine/NameListEditor.h"

namespace vkr::test {
namespace {

TEST(ListEditor, NamesAreCleanedKeptSortedAndNeverDoubled) {
  TNameList list;
  EXPECT_EQ(AddListName(list, "zed"), 0);
  EXPECT_EQ(AddListName(list, "  Anna-Maria Lopez!!  the 2nd"), 0);
  EXPECT_EQ(list.Items()[0], "AnnaMariaLopezt") << "cleaned and cut to 15 characters";
  EXPECT_EQ(AddListName(list, "ZED"), 1) << "present already: selected, not added";
  EXPECT_EQ(AddListName(list, "--- ---"), -1);
  EXPECT_EQ(list.Items().size(), 2u);

  EXPECT_EQ(EditListName(list, 1, "Aaron"), 0) << "renamed and moved to its sorted place";
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Aaron", "AnnaMariaLopezt"}));
  EXPECT_EQ(EditListName(list, 0, "annamarialopezt"), 0) << "a name standing elsewhere changes nothing";
  EXPECT_EQ(list.Items()[0], "Aaron");
  EXPECT_EQ(EditListName(list, 0, "AARON"), 0) << "its own name in other case may be retyped";
  EXPECT_EQ(list.Items()[0], "AARON");
  EXPECT_EQ(EditListName(list, 7, "x"), -1);
}

TEST(ConfirmBoxes, TheMaskComesWholeFromTheTicks) {
  const size_t n = ConfirmBoxes().size();
  EXPECT_EQ(FilterFromTicks(std::vector<bool>(n, true)), 0u) << "every box ticked: nothing silenced, ban included";
  std::vector<bool> ticks(n, true);
  ticks[1] = false;      // close sign-ups
  ticks[n - 2] = false;  // player moved
  EXPECT_EQ(FilterFromTicks(ticks), (1u << CfCloseSignups) | (1u << NfPlayerMoved));
  for (const TConfirmBox& box : ConfirmBoxes()) EXPECT_NE(box.Bit, CfBan) << "the ban question has no box";
}

}  // namespace
}  // namespace vkr::test
