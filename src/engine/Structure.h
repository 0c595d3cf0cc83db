#pragma once
// The round structure of the brackets: table numbering, table counts, the
// decisive round indexes, and the queries on them.
#include <cstdint>
#include <string>
#include <vector>

namespace vkr {

struct TTourney;
class TModel;

// Zeroes the three brackets and the entries, numbers each round, clears the
// finalists' labels, enables the round-2 byes item again; empties the history.
void ClearBrackets(TTourney& t);
// Numbers the tables of the brackets the elimination format uses.
void NumberTables(TTourney& t);
// Table counts and decisive rounds of a full bracket of n entries (n = 256).
void UpdateTableCount(TTourney& t, int n);
// Table counts and decisive rounds from the actual seating and results.
void UpdateFullTableCount(TTourney& t);
// Grows a round to hold every entry seated at a table beyond its last one.
void CoverSeatedEntries(TModel& m, int bracket, int round);
// Numbers of the first tables of the deciding rounds from the start tables.
void NumberDecidingTables(TTourney& t);

bool TableNumberInUse(const TTourney& t, int bracket, int round, int32_t number);
// All answers of TableNumberInUse for one bracket and round, indexed by number.
std::vector<bool> NumbersInUse(const TTourney& t, int bracket, int round);
// The row 0..14 of the points lists for a table of that round and bracket.
int PointsRow(const TTourney& t, int round, int bracket);
std::string RoundLabel(const TTourney& t, int round, int bracket);
std::string RoundName(const TTourney& t, int round, int bracket);
// The last round of a bracket that has a tab (and can be played).
int LastTabRound(const TTourney& t, int bracket);
// A round without tables, or whose tables all have a result.
bool RoundComplete(const TTourney& t, int bracket, int round);

}  // namespace vkr
