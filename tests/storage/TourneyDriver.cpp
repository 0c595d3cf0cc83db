#include "storage/TourneyDriver.h"

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

void PlaySingleEight(TTestHost& h) {
  StartEight(h, ElimSingle);
  Win(h, Winners, 0, 0, 0);  // Alice
  Win(h, Winners, 0, 1, 1);  // Dave
  Win(h, Winners, 0, 2, 0);  // Erin
  Win(h, Winners, 0, 3, 1);  // Hank
  Win(h, Winners, 1, 0, 1);  // Dave beats Alice
  Win(h, Winners, 1, 1, 0);  // Erin beats Hank
  Win(h, Winners, 2, 0, 0);  // Dave beats Erin
}

void PlayDoubleEight(TTestHost& h, const char* champion) {
  StartEight(h, ElimDouble);
  Win(h, Winners, 0, 0, 0);  // Alice
  Win(h, Winners, 0, 1, 1);  // Dave
  Win(h, Winners, 0, 2, 0);  // Erin
  Win(h, Winners, 0, 3, 1);  // Hank
  Win(h, Winners, 1, 0, 0);  // Alice beats Dave
  Win(h, Winners, 1, 1, 0);  // Erin beats Hank
  Win(h, OneLoss, 1, 0, 0);  // Bob beats Carol
  Win(h, OneLoss, 1, 1, 1);  // Gina beats Frank
  Win(h, Winners, 2, 0, 1);  // Erin beats Alice
  Win(h, OneLoss, 2, 0, 0);  // Dave beats Hank
  Win(h, OneLoss, 2, 1, 0);  // Bob beats Gina
  Win(h, OneLoss, 3, 0, 1);  // Dave beats Alice
  Win(h, OneLoss, 3, 1, 0);  // Bob's bye
  Win(h, OneLoss, 4, 0, 0);  // Dave beats Bob
  Win(h, Winners, 3, 0, std::string(champion) == "Dave" ? 1 : 0);
}

}  // namespace vkr::test
