#pragma once
// The running tournament's copies of its format: match points by size,
// player-points settings, boot time, host details and the Format menu.
#include <array>
#include <string>
#include <vector>

#include "messages/MessageContext.h"

namespace vkr {

constexpr int kSizeLists = 5;  // 8to16, 17to32, 33to64, 65to128, 129to256
constexpr int kPresetOther = 5;

struct TPlayerPointsSettings {
  TPointsList Win{}, Bye{}, Lose{};
  int32_t FirstPlace = 0, SecondPlace = 0, ThirdPlace = 0;
  int32_t Host = 0, CoHost = 0, UnscheduledHost = 0, UnscheduledCoHost = 0;
  int32_t WinOfWin = 0, FixedWinOfWin = 0, FirstMatchWin = 0;
};

struct TFormatState {
  std::array<TPointsList, kSizeLists> SizePointsLists{};
  TPlayerPointsSettings PlayerPoints;
  int32_t BootTime = 7;
  std::string HostPlayerName, CoHostPlayerName;
  bool HostUnscheduled = false, CoHostUnscheduled = false;
  bool DoublePlayerPoints = false;
  // The Format menu's format entries: "Default", then the stored formats in file order.
  std::vector<std::string> MenuEntries{"Default"};
  int CheckedEntry = 0;    // -1 when none is checked
  int CheckedPreset = 0;   // Match points entry: 0..4 a preset, 5 "Other..."
  TPointsList DefaultStartTables{50, 90, 1, 80, 110, 130, 140, 80, 98, 30, 60, 90, 120, 148, 150};
};

}  // namespace vkr
