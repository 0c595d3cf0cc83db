// Sign-up and seating in the first round, the round-2 bye counts, and closing.
// The signup and teams scenario scripts pin what sign-ups log and post, how a
// team waits for its partner, and the recent players list closing writes;
// first-results that a table filled after the start starts at once.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/SignUp.h"
#include "engine/Undo.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

int16_t SeatOf(const TTourney& t, int table, int seat) { return t.Model.Table(Winners, 0, table).Seat[seat]; }

TEST(SignUp, OnePerTableUntilEveryTableIsTakenAndTwoHundredFiftySixAtMost) {
  TEngineHost h;
  ASSERT_TRUE(h.T.OnePlayerPerTable);
  for (int i = 1; i <= 130; ++i) h.Add({"P" + std::to_string(i)});
  for (int i = 0; i < 128; ++i) EXPECT_EQ(SeatOf(h.T, i, 0), i);
  EXPECT_EQ(SeatOf(h.T, 127, 1), kNoEntry);
  EXPECT_FALSE(h.T.OnePlayerPerTable);
  EXPECT_EQ(SeatOf(h.T, 0, 1), 128);
  EXPECT_EQ(SeatOf(h.T, 1, 1), 129);
  for (int i = 131; i <= 256; ++i) h.Add({"P" + std::to_string(i)});
  h.Mark();
  h.Add({"Late"});
  EXPECT_EQ(h.T.Model.PlayerCount(), 256);
  EXPECT_EQ(h.Events(), (S{"warning: There is no more space in the bracket for more players."}));
}

TEST(TeamSignUp, MembersAreCheckedForDuplicatesAndBans) {
  TEngineHost h(ElimSingle, true);
  h.Add({"Anna/Bert", "Cleo/bert", "anna"});
  EXPECT_EQ(h.T.Model.PlayerCount(), 1);
  h.T.BannedPlayers.Add("Troll");
  h.Add({"Cleo/Troll"});
  EXPECT_EQ(h.T.Model.PlayerCount(), 1);
  EXPECT_EQ(h.Events().back(),
            "warning: That player is on the banned list, they will not be added to the tournament.");
}

TEST(SecondRoundByes, TenFirstRoundTables) {
  TEngineHost h;
  h.AddPlayers(20);
  h.Close();
  h.Mark();
  TByeCounts c;
  auto counts = [&] {
    EXPECT_TRUE(Get2ndRoundByeStatus(h.T, &c));
    return std::vector<int>{c.PlayersInRound, c.TotalSeats, c.TablesEmpty, c.ByesToGo};
  };
  EXPECT_EQ(counts(), (std::vector<int>{10, 16, 8, 6}));
  // A bye won in round 2, a full table there and a both-quit table in round 1.
  TModel& m = h.T.Model;
  m.SetSeat(TTableRef::Of(Winners, 1, 7), 0, 0);
  m.SetResult(TTableRef::Of(Winners, 1, 7), 1);
  m.SetSeat(TTableRef::Of(Winners, 1, 0), 0, 2);
  m.SetSeat(TTableRef::Of(Winners, 1, 0), 1, 4);
  m.SetResult(TTableRef::Of(Winners, 0, 9), 4);
  EXPECT_EQ(counts(), (std::vector<int>{9, 16, 6, 6}));
}

TEST(CloseSignups, FixesTheFirstRoundAndStartsIt) {
  TEngineHost h;
  h.AddPlayers(9);
  h.Mark();
  h.Close();
  const TRound& first = h.T.Model.Round(Winners, 0);
  EXPECT_EQ(first.TableCount, 5);
  EXPECT_TRUE(first.HasByeTable);
  EXPECT_TRUE(h.T.SignupsClosed);
  EXPECT_EQ(h.T.StartedAt + h.T.ClosedAt, 2 * h.Clock.Current);
  EXPECT_EQ(first.Tables[0].StartTime, h.Clock.Current);
  EXPECT_EQ(first.Tables[4].StartTime, 0);  // the bye table holds one entry
}

TEST(CloseSignups, EmptySeatsBelowTheLastCountAsEntries) {
  TEngineHost h;
  h.AddPlayers(10);
  TModel& m = h.T.Model;
  // Move the last entry from table 4 seat 1 to table 6 seat 0: table 5 stays empty.
  m.SetSeat(TTableRef::Of(Winners, 0, 4), 1, kNoEntry);
  m.SetSeat(TTableRef::Of(Winners, 0, 6), 0, 9);
  m.SetSlot(9, 0, TTableRef::Of(Winners, 0, 6), 0);
  h.Close();
  EXPECT_EQ(m.Round(Winners, 0).TableCount, 7);
  EXPECT_TRUE(m.Round(Winners, 0).HasByeTable);
}

TEST(SeatNames, ErasingInSignupsRemovesTheEntryAndKeepsTheBootedListOnTheSameEntries) {
  TEngineHost h;
  h.T.OnePlayerPerTable = false;
  h.Add({"Anna", "Bert", "Cleo", "Dirk"});
  h.T.BootedPlayers = {1, 3};  // Bert and Dirk
  h.Mark();
  SeatNameEnter(h.T, Winners, 0, 0, 0, "  ");
  EXPECT_EQ(h.Log(), (S{"Key: Enter on player's name", "    -> New name is blank...", "    -> erasing \"Anna\" from sign-ups",
                        "    -> UpdateWinnersRound", "    -> UpdatePlayerState"}));
  ASSERT_EQ(h.T.Model.PlayerCount(), 3);
  EXPECT_EQ(SeatOf(h.T, 0, 0), kNoEntry);
  EXPECT_EQ(SeatOf(h.T, 0, 1), 0);  // Bert moved down one position in the list
  EXPECT_EQ(SeatOf(h.T, 1, 0), 1);
  EXPECT_EQ(h.T.BootedPlayers, (std::vector<int16_t>{0, 2}));
  SeatNameEnter(h.T, Winners, 0, 0, 1, "");  // Bert
  EXPECT_EQ(h.T.BootedPlayers, (std::vector<int16_t>{1}));
  EXPECT_EQ(h.T.Model.Player(1).Name, "Dirk");
}

TEST(SeatNames, RenamingChecksDuplicatesAndAnnouncesInSignups) {
  TEngineHost h;
  h.T.OnePlayerPerTable = false;
  h.Add({"Anna", "Bert"});
  h.Mark();
  SeatNameEnter(h.T, Winners, 0, 0, 1, "anna");
  EXPECT_EQ(h.T.Model.Player(1).Name, "Bert");
  SeatNameEnter(h.T, Winners, 0, 0, 1, "Bertie");
  EXPECT_EQ(h.T.Model.Player(1).Name, "Bertie");
  EXPECT_EQ(h.Log().at(3), "    -> Duplicate exists");
  EXPECT_EQ(h.Posts(), (S{kBullets + " Bertie, Welcome to this Tournament. Please be seated at Table #50 by "}));
}

TEST(SeatNames, AfterClosingANameCannotBeErased) {
  TEngineHost h;
  h.AddPlayers(8);
  h.Close();
  h.Mark();
  SeatNameEnter(h.T, Winners, 0, 0, 0, "");
  EXPECT_EQ(h.T.Model.PlayerCount(), 8);
  EXPECT_EQ(h.Events(), (S{"info: A player's name cannot be erased after closing.\r\n\r\nTo remove the player, "
                           "right-mouse click on the player and select \"Remove Player\"."}));
  EXPECT_EQ(SeatNameEscape(h.T, Winners, 0, 0, 0), "P1");
}

// Closing empties it too; the random tournaments compare that history.
TEST(SignUp, AddingEmptiesTheUndoHistory) {
  TEngineHost h;
  h.AddPlayers(8);
  h.T.Model.PushSnapshot(TListKind::Undo, true);
  h.T.Model.PushSnapshot(TListKind::Redo, false);
  h.Add({"Nina"});
  EXPECT_FALSE(CanUndo(h.T));
  EXPECT_FALSE(CanRedo(h.T));
}

}  // namespace
}  // namespace vkr::test
