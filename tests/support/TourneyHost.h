#pragma once
// The one shared tournament driver: starts a tournament the way the host
// does, signs entries up, closes, presses Win buttons, and reads back what
// was logged and posted since a mark.
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/Results.h"
#include "fakes/FakePorts.h"

namespace vkr::test {

// The seven bullets (0x95) that open the default texts.
inline const std::string kBullets = "\x95\x95\x95\x95\x95\x95\x95";

// A new tournament saved as `file`, in the given elimination format.
void StartTourney(TTourney& t, const std::string& file, int elim, bool teams = false);

struct TEngineHost : TTestHost {
  explicit TEngineHost(int elimFormat = ElimSingle, bool teamMode = false, const std::string& file = "cup.vkr");

  // Signs up each name through the Add button.
  void Add(const std::vector<std::string>& names);
  // Signs up n players "P1", "P2", ... two to a table.
  void AddPlayers(int n);
  // Anna-Bert, Cleo-Dirk, Emma-Finn and Gina-Hugo at tables 50 to 53, then
  // closes sign-ups and marks.
  void SignUpEight();
  void Close();
  // Presses (or releases) the Win button of a seat; indexes are 0-based.
  void Win(int bracket, int round, int table, int seat);
  void Release(int bracket, int round, int table, int seat);
  // Presses seat 0's Win button at every undecided full table of a round.
  void PlayRound(int bracket, int round);
  // Plays every round in order, seat 0 winning, up to the grand final.
  void PlayToGrandFinal();

  int Entry(const std::string& name) const;
  // The table the entry sits at now (its last filled slot).
  TTableRef Where(const std::string& name) const;
  const TTable& TableOf(const std::string& name) const { return T.Model.Table(Where(name)); }

  // Marks the current ends of the log, the posted lines and the screen events.
  void Mark();
  std::vector<std::string> Log() const;  // log lines since the mark
  std::vector<std::string> Posts() const;
  std::vector<std::string> Events() const;

 private:
  size_t FLogMark = 0, FPostMark = 0, FEventMark = 0;
};

// Tournaments of eight played on the fake clock. Alice .. Hank signed up two
// to a table in this order; sign-ups closed at 20:30:00.
void StartEight(TTestHost& h, int elim);
// The Win button of a seat, `after` seconds on; Play presses several.
void Win(TTestHost& h, int bracket, int round, int row, int seat, double after = 600);
void Play(TTestHost& h, std::initializer_list<TWinButton> buttons);
// Dave beats Erin in the final; Alice and Hank lose the semi-finals.
void PlaySingleEight(TTestHost& h);
// Dave wins the one-loss final against Bob (who had a bye in one-loss round 4)
// and meets Erin in the grand final, which `champion` ("Dave" or "Erin") wins.
void PlayDoubleEight(TTestHost& h, const char* champion);

// A small saved tournament with a value other than the default in every
// setting the file stores, and `Clicks` seeded random results.
struct TStoredTourneyPlan {
  const char* FileName = "t.vkr";
  int Format = 0;
  bool Teams = false;
  int Entries = 8;
  int Clicks = 0;
};
void BuildStoredTourney(TTestHost& host, const TStoredTourneyPlan& plan);

}  // namespace vkr::test
