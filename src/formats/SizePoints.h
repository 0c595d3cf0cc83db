#pragma once
// The match points that fit the tournament's size.
#include <array>

#include "formats/FormatState.h"

namespace vkr {

struct TTourney;

// The format keys of the five size lists: "Points8to16" ... "Points129to256".
extern const std::array<const char*, kSizeLists> kSizePointsKeys;

// Copies the size list chosen by the grand-final round into MatchPoints.
void SelectSizePoints(TTourney& t);
// Logs "    -> Points8to16 = " and the list, and so on for every size.
void LogSizePointsLists(TTourney& t);

}  // namespace vkr
