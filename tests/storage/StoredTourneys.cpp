#include "storage/StoredTourneys.h"

#include <tuple>

#include "base/Text.h"
#include "engine/NewTourney.h"
#include "engine/Results.h"
#include "engine/SignUp.h"
#include "storage/TournamentFile.h"
#include "support/RandomPlay.h"

namespace vkr::test {

void BuildStoredTourney(TTestHost& host, const TStoredTourneyPlan& plan) {
  TTourney& t = host.T;
  TNewTourneyChoice choice;
  std::tie(choice.FileName, choice.TeamMode, choice.CoHostUnscheduled) = std::tuple(plan.FileName, plan.Teams, true);
  std::tie(choice.HostName, choice.CoHostName, choice.HostPlayerName, choice.CoHostPlayerName) =
      std::tuple("Hostess", "Helper", "host_player", "cohost_player");
  std::tie(choice.RulesTimeText, choice.StartTimeText) = std::tuple("8:45 pm", "9:00 pm");
  StartNewTourney(t, choice);
  SetElimFormat(t, plan.Format);
  t.OnePlayerPerTable = false;
  t.View.EmailBoxes = {"first@example.org", "second@example.org", "", "fourth@example.org"};
  t.Lobby.LobbyName = "Backgammon Lobby \x95 Room 3";
  t.Format.BootTime = 9;
  t.Format.DoublePlayerPoints = true;
  t.Context.TimeLimits = {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 50, 60};
  TPlayerPointsSettings& pp = t.Format.PlayerPoints;
  std::tie(pp.FirstPlace, pp.SecondPlace, pp.ThirdPlace) = std::tuple(-10, -5, -2);
  std::tie(pp.Host, pp.CoHost, pp.UnscheduledHost, pp.UnscheduledCoHost) = std::tuple(4, 3, 2, 1);
  std::tie(pp.WinOfWin, pp.FixedWinOfWin, pp.FirstMatchWin) = std::tuple(6, 7, 8);
  for (int i = 0; i < plan.Entries; ++i) {
    AddButtonClick(t, plan.Teams ? Sprintf("Ann%d/Bob%d", i, i) : Sprintf("Player%d", i));
  }
  CloseSignups(t);
  TRandomPlan results;
  results.Corrections = false;
  results.Seed = static_cast<uint64_t>(plan.Entries * 3 + plan.Format);
  TRandomTournament game(t, results);
  for (int c = 0; c < plan.Clicks; ++c) {
    host.Clock.Advance(600);
    if (!game.Step()) break;
  }
  SaveTournament(t);
}

}  // namespace vkr::test
