#include "storage/ReportReads.h"

#include <algorithm>
#include <stdexcept>

namespace vkr {

std::string EntryName(const TModel& m, int16_t entry) {
  if (entry == kNoEntry) return {};
  if (entry < 0 || entry >= m.PlayerCount()) throw std::out_of_range("seat names no entry");
  return m.Player(entry).Name;
}

const TTable& CheckedTable(const TModel& m, int bracket, int round, int index) {
  if (bracket < 0 || bracket >= kBrackets || round < 0 || round >= kRounds || index < 0 || index >= kTablesPerRound) {
    throw std::out_of_range("no such table");
  }
  return m.Table(bracket, round, index);
}

int TablesInPlay(const TModel& m, int bracket, int round) {
  CheckedTable(m, bracket, round, 0);
  return std::clamp(m.Round(bracket, round).TableCount, 0, kTablesPerRound);
}

}  // namespace vkr
