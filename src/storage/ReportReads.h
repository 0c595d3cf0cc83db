#pragma once
// Reads of the model for the reports and the points summary. A tournament
// may come from a damaged file, so a reference that names nothing throws
// std::out_of_range instead of reading past the model.
#include <cstdint>
#include <string>

#include "engine/Model.h"

namespace vkr {

// The name of the entry at a seat; empty for an empty seat.
std::string EntryName(const TModel& m, int16_t entry);
const TTable& CheckedTable(const TModel& m, int bracket, int round, int index);
// The tables in play of a round, within the 128 that exist; throws for a
// round that does not exist.
int TablesInPlay(const TModel& m, int bracket, int round);
// A result that names a winner: seat 0 or seat 1 won.
inline bool HasWinner(const TTable& table) { return table.Result == 1 || table.Result == 2; }

}  // namespace vkr
