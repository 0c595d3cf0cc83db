#include "support/TourneyHost.h"

#include <stdexcept>
#include <tuple>

#include "base/Text.h"
#include "engine/NewTourney.h"
#include "engine/SignUp.h"
#include "engine/Tourney.h"
#include "storage/TournamentFile.h"
#include "support/RandomPlay.h"

namespace vkr::test {

void StartTourney(TTourney& t, const std::string& file, int elim, bool teams) {
  TNewTourneyChoice choice;
  choice.FileName = file;
  choice.TeamMode = teams;
  StartNewTourney(t, choice);
  SetElimFormat(t, elim);
}

TEngineHost::TEngineHost(int elimFormat, bool teamMode, const std::string& file) {
  StartTourney(T, file, elimFormat, teamMode);
  Mark();
}

void TEngineHost::Add(const std::vector<std::string>& names) {
  for (const std::string& name : names) AddButtonClick(T, name);
}

void TEngineHost::AddPlayers(int n) {
  T.OnePlayerPerTable = false;
  for (int i = 1; i <= n; ++i) AddButtonClick(T, "P" + std::to_string(i));
}

void TEngineHost::SignUpEight() {
  T.OnePlayerPerTable = false;
  Add({"Anna", "Bert", "Cleo", "Dirk", "Emma", "Finn", "Gina", "Hugo"});
  Close();
  Mark();
}

void TEngineHost::Close() { CloseSignups(T); }

void TEngineHost::Win(int bracket, int round, int table, int seat) {
  WinButtonClick(T, TWinButton{bracket, round, table, seat}, true);
}

void TEngineHost::Release(int bracket, int round, int table, int seat) {
  WinButtonClick(T, TWinButton{bracket, round, table, seat}, false);
}

void TEngineHost::PlayRound(int bracket, int round) {
  for (int i = 0; i < T.Model.Round(bracket, round).TableCount; ++i) {
    const TTable& table = T.Model.Table(bracket, round, i);
    if (table.Result == 0 && table.SeatTaken(0)) Win(bracket, round, i, 0);
  }
}

void TEngineHost::PlayToGrandFinal() {
  // The one-loss bracket's last round waits for the two-loss champion.
  for (int r = 0; r < kRounds; ++r) {
    for (int b = 0; b <= T.ElimFormat; ++b) {
      if (!ReachedLater(T, b, r)) PlayRound(b, r);
    }
  }
  if (T.ElimFormat == ElimTriple) PlayRound(OneLoss, T.Model.OneLossLastRound());
}

int TEngineHost::Entry(const std::string& name) const {
  for (int i = 0; i < T.Model.PlayerCount(); ++i) {
    if (T.Model.Player(i).Name == name) return i;
  }
  throw std::invalid_argument("no entry " + name);
}

TTableRef TEngineHost::Where(const std::string& name) const {
  const TPlayer& p = T.Model.Player(Entry(name));
  return p.Tables[static_cast<size_t>(p.LastSlot())];
}

void TEngineHost::Mark() {
  FLogMark = LogLines().size();
  FPostMark = Screen.Posted.size();
  FEventMark = Screen.Events.size();
}

template <typename V>
static V Since(const V& all, size_t mark) {
  return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
}

std::vector<std::string> TEngineHost::Log() const { return Since(LogLines(), FLogMark); }
std::vector<std::string> TEngineHost::Posts() const { return Since(Screen.Posted, FPostMark); }
std::vector<std::string> TEngineHost::Events() const { return Since(Screen.Events, FEventMark); }

void StartEight(TTestHost& h, int elim) {
  StartTourney(h.T, "evening.vkr", elim);
  h.T.OnePlayerPerTable = false;
  for (const char* name : {"Alice", "Bob", "Carol", "Dave", "Erin", "Frank", "Gina", "Hank"}) AddButtonClick(h.T, name);
  CloseSignups(h.T);
}

void Win(TTestHost& h, int bracket, int round, int row, int seat, double after) {
  h.Clock.Advance(after);
  WinButtonClick(h.T, TWinButton{bracket, round, row, seat}, true);
}

void Play(TTestHost& h, std::initializer_list<TWinButton> buttons) {
  for (const TWinButton& b : buttons) Win(h, b.Bracket, b.Round, b.TableIndex, b.Seat);
}

void PlaySingleEight(TTestHost& h) {
  StartEight(h, ElimSingle);
  Play(h, {{Winners, 0, 0, 0}, {Winners, 0, 1, 1}, {Winners, 0, 2, 0}, {Winners, 0, 3, 1},
           {Winners, 1, 0, 1}, {Winners, 1, 1, 0}, {Winners, 2, 0, 0}});
}

void PlayDoubleEight(TTestHost& h, const char* champion) {
  StartEight(h, ElimDouble);
  Play(h, {{Winners, 0, 0, 0}, {Winners, 0, 1, 1}, {Winners, 0, 2, 0}, {Winners, 0, 3, 1},
           {Winners, 1, 0, 0}, {Winners, 1, 1, 0}, {OneLoss, 1, 0, 0}, {OneLoss, 1, 1, 1},
           {Winners, 2, 0, 1}, {OneLoss, 2, 0, 0}, {OneLoss, 2, 1, 0}, {OneLoss, 3, 0, 1},
           {OneLoss, 3, 1, 0}, {OneLoss, 4, 0, 0}, {Winners, 3, 0, std::string(champion) == "Dave"}});
}

void BuildStoredTourney(TTestHost& host, const TStoredTourneyPlan& plan) {
  TTourney& t = host.T;
  TNewTourneyChoice choice;
  std::tie(choice.FileName, choice.TeamMode, choice.CoHostUnscheduled) = std::tuple(plan.FileName, plan.Teams, true);
  std::tie(choice.Host.HostName, choice.Host.CoHostName, choice.Host.HostPlayerName, choice.Host.CoHostPlayerName) =
      std::tuple("Hostess", "Helper", "host_player", "cohost_player");
  std::tie(choice.Host.RulesTimeText, choice.Host.StartTimeText) = std::tuple("8:45 pm", "9:00 pm");
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
