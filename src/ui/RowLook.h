#pragma once
// What one row of a bracket view and its round tabs show, worked out from
// the tournament alone: texts, colours by meaning, enabled and pressed
// states. The widgets only paint these, so the rules are checked without them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/DateTime.h"

namespace vkr {

struct TTourney;

// The colour of a name box by what it means; the widgets pick the shade.
enum class TBoxColour : uint8_t {
  Window,         // an undecided table
  Decided,        // a decided table: window colour blended with the panel colour
  Unusable,       // the empty second seat of a bye table
  FoundDecided,   // the find text matches, table decided
  Found,          // the find text matches, table undecided
  Disqualified,
  BootedTooLong,
  HadBye,         // undecided, and the entry won a table without an opponent before
};

struct TSeatLook {
  std::string Name, Hint;      // hint: the team members
  std::string Next, NextHint;  // the next table's number; "Came from %d"
  std::string Boots;           // the running boot time, or the boot count when above 0
  bool BootImage = true;       // no image while the boot time runs
  TBoxColour Colour = TBoxColour::Window;
  bool Usable = true;
  bool Taken = false;
  bool WinDown = false;
  bool operator==(const TSeatLook&) const = default;
};

struct TRowLook {
  int32_t Number = 0;
  bool VoidNumber = false;  // the host marked the number as not to be used
  bool Hidden = false;  // a decided table while completed matches are hidden
  std::array<TSeatLook, 2> Seats;
  bool operator==(const TRowLook&) const = default;
};

TRowLook RowLook(const TTourney& t, int bracket, int round, int tableIndex, TDateTime now);

// The first round a bracket's tabs show: tab i shows round i + FirstTabRound.
inline int FirstTabRound(int bracket) { return bracket; }
// The captions of a bracket's round tabs: "1", "2 *" (a bye table), "WF", "SF", "QF", "GF".
std::vector<std::string> TabCaptions(const TTourney& t, int bracket);
// The caption over the next-table column: the next tab's caption, with "R"
// in front of a one-character caption; empty on the last tab.
std::string NextColumnCaption(const std::vector<std::string>& captions, int tab);

}  // namespace vkr
