#pragma once
// What the one-second tick keeps for the host window: the reminder and
// display options, the status-bar clocks, the time labels of the rows the
// views show, and the overdue-tables and active-boots lists.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Model.h"

namespace vkr {

// One match over its round's limit, rebuilt by every reminder scan.
struct TOverdueRecord {
  int32_t TableNumber = 0;
  std::string RoundLabel;
  int32_t MinutesPlayed = 0;  // whole minutes, truncated
  int32_t SecondsOver = 0;    // > 0
  bool operator==(const TOverdueRecord&) const = default;
};

// One line of the "Active Boots" list.
struct TActiveBootLine {
  std::string Name;
  std::string Time;  // "m:ss"
  int32_t TableNumber = 0;
  bool operator==(const TActiveBootLine&) const = default;
};

enum class TLabelInk : uint8_t { Running, Finished };  // maroon, navy

// The time label under a row's table number.
struct TTimeLabel {
  std::string Text;      // "h:mm"; empty for a table whose match has not started
  bool Flash = false;    // the row panel is yellow this second
  TLabelInk Ink = TLabelInk::Running;
  bool operator==(const TTimeLabel&) const = default;
};

// One of the two extra clocks of the status bar.
struct TZoneClock {
  std::string ZoneKey;  // the zone's Windows key name, as stored in the settings
  bool Hour24 = false;
  std::string Label;    // " EST: ", with the abbreviation in force; empty when the zone was not read
  // Read once per choice of zone; the tick only asks for the rules in force.
  bool Known = false;
  std::string StandardAbbreviation, DaylightAbbreviation;
};

inline std::array<TZoneClock, 2> DefaultZoneClocks() {
  std::array<TZoneClock, 2> clocks;
  clocks[0].ZoneKey = "Eastern Standard Time";
  clocks[1].ZoneKey = "Pacific Standard Time";
  return clocks;
}

struct TTimingState {
  bool RemindAt15 = false, RemindAt10 = false, RemindAt5 = false;
  bool DisplayMatchTimeRemaining = false;
  bool ScanInProgress = false;  // a reminder's message box is open

  std::array<std::string, 3> StatusClocks;  // local, middle, right
  std::array<TZoneClock, 2> ZoneClocks = DefaultZoneClocks();  // middle, right
  // Per view, the labels of its rows for the round its selected tab shows.
  std::array<std::array<TTimeLabel, kTablesPerRound>, kBrackets> RowLabels{};
  std::vector<TOverdueRecord> Overdue;  // most seconds over first
  std::vector<TActiveBootLine> ActiveBoots;
};

}  // namespace vkr
