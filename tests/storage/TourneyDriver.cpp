#include "storage/TourneyDriver.h"

#include <initializer_list>
#include <string>

#include "engine/NewTourney.h"
#include "engine/Results.h"
#include "engine/SignUp.h"

namespace vkr::test {

void StartEight(TTestHost& h, int elim) {
  TNewTourneyChoice choice;
  choice.FileName = "evening.vkr";
  StartNewTourney(h.T, choice);
  SetElimFormat(h.T, elim);
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

}  // namespace vkr::test
