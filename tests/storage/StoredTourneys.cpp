#include "storage/StoredTourneys.h"

#include "base/Text.h"
#include "engine/NewTourney.h"
#include "engine/Results.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "storage/TournamentFile.h"

namespace vkr::test {
namespace {

// The first table of the lowest bracket and round that a Win click decides.
bool FirstPlayable(const TTourney& t, TWinButton& button) {
  for (int r = 0; r < kRounds; ++r) {
    for (int b = 0; b <= t.ElimFormat && b <= r; ++b) {
      if (r > LastTabRound(t, b)) continue;
      const TRound& round = t.Model.Round(b, r);
      for (int i = 0; i < round.TableCount; ++i) {
        const TTable& table = round.Tables[static_cast<size_t>(i)];
        const bool bye = round.HasByeTable && i == round.TableCount - 1;
        if (table.Result == 0 && table.SeatTaken(0) && (table.SeatTaken(1) || bye)) {
          button = TWinButton{b, r, i, 0};
          return true;
        }
      }
    }
  }
  return false;
}

}  // namespace

void BuildStoredTourney(TTestHost& host, const TStoredTourneyPlan& plan) {
  TTourney& t = host.T;
  TNewTourneyChoice choice;
  choice.FileName = plan.FileName;
  choice.TeamMode = plan.Teams;
  choice.HostName = "Hostess";
  choice.CoHostName = "Helper";
  choice.HostPlayerName = "host_player";
  choice.CoHostPlayerName = "cohost_player";
  choice.RulesTimeText = "8:45 pm";
  choice.StartTimeText = "9:00 pm";
  choice.CoHostUnscheduled = true;
  StartNewTourney(t, choice);
  SetElimFormat(t, plan.Format);
  t.OnePlayerPerTable = false;
  t.View.EmailBoxes = {"first@example.org", "second@example.org", "", "fourth@example.org"};
  t.Lobby.LobbyName = "Backgammon Lobby \x95 Room 3";
  t.Format.BootTime = 9;
  t.Format.DoublePlayerPoints = true;
  t.Context.TimeLimits = {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 50, 60};
  TPlayerPointsSettings& pp = t.Format.PlayerPoints;
  pp.FirstPlace = -10;
  pp.SecondPlace = -5;
  pp.ThirdPlace = -2;
  pp.Host = 4;
  pp.CoHost = 3;
  pp.UnscheduledHost = 2;
  pp.UnscheduledCoHost = 1;
  pp.WinOfWin = 6;
  pp.FixedWinOfWin = 7;
  pp.FirstMatchWin = 8;
  for (int i = 0; i < plan.Entries; ++i) {
    AddButtonClick(t, plan.Teams ? Sprintf("Ann%d/Bob%d", i, i) : Sprintf("Player%d", i));
  }
  CloseSignups(t);
  for (int c = 0; c < plan.Clicks; ++c) {
    host.Clock.Advance(600);
    TWinButton button;
    if (!FirstPlayable(t, button)) break;
    button.Seat = c % 3 == 2 && t.Model.Table(button.Bracket, button.Round, button.TableIndex).SeatTaken(1) ? 1 : 0;
    WinButtonClick(t, button, true);
  }
  SaveTournament(t);
}

}  // namespace vkr::test
