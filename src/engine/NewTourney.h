#pragma once
// Resetting the host window to a new, empty tournament.
#include <string>

#include "engine/HostDetails.h"
#include "messages/MessageContext.h"

namespace vkr {

struct TTourney;

struct TNewTourneyChoice {
  std::string FileName;  // the tournament file, with its extension
  std::string FormatName = "Default";
  bool TeamMode = false;
  bool CapNames = false;
  bool ShowPointsAtEnd = true;
  THostDetails Host;
  bool HostUnscheduled = false, CoHostUnscheduled = false;
  bool UseStartTables = false;  // take StartTables below instead of the format's
  TPointsList StartTables{};
  int ElimFormat = -1;  // 0..2 in place of the format's elimination type; -1 keeps it
};

// The Start button of the new-tournament dialog.
void StartNewTourney(TTourney& t, const TNewTourneyChoice& choice);

}  // namespace vkr
