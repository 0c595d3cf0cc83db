#include "engine/EngineHost.h"

#include <stdexcept>

#include "base/Text.h"
#include "engine/NewTourney.h"
#include "engine/SignUp.h"
#include "engine/Tourney.h"

namespace vkr::test {

TEngineHost::TEngineHost(int elimFormat, bool teamMode) {
  TNewTourneyChoice choice;
  choice.FileName = "cup.vkr";
  choice.TeamMode = teamMode;
  StartNewTourney(T, choice);
  if (elimFormat != ElimSingle) SetElimFormat(T, elimFormat);
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
  const TModel& m = T.Model;
  for (int r = 0; r < kRounds; ++r) {
    for (int b = 0; b <= T.ElimFormat; ++b) {
      bool waits = (b == Winners && r == m.GrandFinalRound()) ||
                   (b == OneLoss && T.ElimFormat == ElimTriple && r == m.OneLossLastRound());
      if (!waits) PlayRound(b, r);
    }
  }
  if (T.ElimFormat == ElimTriple) PlayRound(OneLoss, m.OneLossLastRound());
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

std::vector<std::string> TEngineHost::Log() const {
  std::vector<std::string> lines = LogLines();
  return {lines.begin() + static_cast<std::ptrdiff_t>(FLogMark), lines.end()};
}

std::vector<std::string> TEngineHost::Posts() const {
  return {Screen.Posted.begin() + static_cast<std::ptrdiff_t>(FPostMark), Screen.Posted.end()};
}

std::vector<std::string> TEngineHost::Events() const {
  return {Screen.Events.begin() + static_cast<std::ptrdiff_t>(FEventMark), Screen.Events.end()};
}

}  // namespace vkr::test
