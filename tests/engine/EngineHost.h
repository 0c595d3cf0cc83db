#pragma once
// A tournament started the way the host starts one, with helpers that act as
// the host does and read back what was logged and posted since a mark.
#include <string>
#include <vector>

#include "engine/Results.h"
#include "fakes/FakePorts.h"

namespace vkr::test {

// The seven bullets (0x95) that open the default texts.
inline const std::string kBullets = "\x95\x95\x95\x95\x95\x95\x95";

struct TEngineHost : TTestHost {
  explicit TEngineHost(int elimFormat = ElimSingle, bool teamMode = false);

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
  // Presses seat 0's Win button at every undecided full table of a round,
  // and gives every single entry of it its bye.
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

}  // namespace vkr::test
