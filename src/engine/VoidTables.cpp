// Lobby table numbers the host marked as unusable: no new seating uses them.
#include <algorithm>

#include "base/Text.h"
#include "engine/Corrections.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"

namespace vkr {

bool IsVoidTable(const TTourney& t, int32_t number) {
  return std::find(t.VoidTables.begin(), t.VoidTables.end(), number) != t.VoidTables.end();
}

bool CheckLobbyTableNumber(TTourney& t, int32_t number) {
  if (number >= 1 && number <= t.LobbyTableCount) return true;
  t.Ports.Screen->Warning(
      Sprintf("There is no table %d in this lobby: its tables are numbered 1 to %d.", number, t.LobbyTableCount));
  return false;
}

bool ToggleVoidTable(TTourney& t, int32_t number) {
  if (!CheckLobbyTableNumber(t, number)) return false;
  auto& voids = t.VoidTables;
  if (IsVoidTable(t, number)) voids.erase(std::remove(voids.begin(), voids.end(), number), voids.end());
  else voids.push_back(number);
  return true;
}

}  // namespace vkr
