#pragma once
// The player-points dialog's working copy: the win, bye and lose points per
// round as a grid, the placing points with their mode, and the bonuses.
#include <array>
#include <string_view>

#include "formats/FormatState.h"

namespace vkr {

struct TTourney;

enum TPointsColumn : int { ColumnWin, ColumnBye, ColumnLose, kPointsColumns };

struct TPlayerPointsDraft {
  std::array<TPointsList, kPointsColumns> Columns{};
  int32_t First = 0, Second = 0, Third = 0;  // shown as amounts, never negative
  bool Exactly = false;                      // "Exactly:" rather than "Extra:"
  // The host and multi-elimination bonus points (kBonusFields); its lists and placings are unused.
  TPlayerPointsSettings Bonuses;
  bool SameForAll = false;  // "All rounds have the same points"
};

// Host, co-host, unscheduled host and co-host, win-of-win, fixed win-of-win
// and first-match-win points: the fields the dialog shows as they are.
extern const std::array<int32_t TPlayerPointsSettings::*, 7> kBonusFields;

TPlayerPointsDraft DraftOfPlayerPoints(const TPlayerPointsSettings& settings);
// Every value held in its range; the placings negated in "Exactly:" mode.
TPlayerPointsSettings SettingsOfDraft(const TPlayerPointsDraft& draft);

// The keys a grid cell takes: digits, backspace, tab and Enter.
bool GridKeyAccepted(char key);
// A cell's number: 0 when the text is no whole number.
int32_t CellValue(std::string_view text);
// Sets a cell (row 0..14); while SameForAll, every row of that column.
void SetCell(TPlayerPointsDraft& draft, int column, int row, std::string_view text);
// Checking copies the first row of each column into the others.
void SetSameForAll(TPlayerPointsDraft& draft, bool same);

// The command logs its line before the dialog opens.
void PlayerPointsClick(TTourney& t);
// OK: the settings reach the tournament, the points are recomputed; saved.
void ApplyPlayerPoints(TTourney& t, const TPlayerPointsDraft& draft);

}  // namespace vkr
