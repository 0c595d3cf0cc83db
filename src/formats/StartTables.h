#pragma once
// The starting table number of every round: the "&Default start tables..."
// command, its preview of the last table a round would use, and the
// remembered default set.
#include <array>
#include <string>

#include "messages/MessageContext.h"

namespace vkr {

struct TTourney;
class TSettingsPort;

constexpr int kPreviewRounds = 13;  // rounds 1..13; the semi-final and final are always shown

struct TStartTablesPreview {
  // The last table of each round for the expected players; 0: the round is
  // not reached, its field greyed and its label hidden.
  std::array<int32_t, kPreviewRounds> LastTable{};
  std::string SemiLabel;  // "to %d" in single elimination, else empty
};

// players is held in 12..256; elim is ElimSingle, ElimDouble or ElimTriple.
TStartTablesPreview PreviewStartTables(const TPointsList& startTables, int players, int elim);

// The menu command: false, and nothing logged, once sign-ups are closed.
bool DefaultStartTablesClick(TTourney& t);
// OK: every table held in 1..150, logged, the tables renumbered; saved.
void ApplyStartTables(TTourney& t, const TPointsList& tables);
// "Set as default": the remembered set for new tournaments and formats
// without "Starting tables", written to the settings store at once.
void SetDefaultStartTables(TTourney& t, const TPointsList& tables, TSettingsPort& settings);

}  // namespace vkr
