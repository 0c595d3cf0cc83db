#include "formats/StartTables.h"

#include "base/Text.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "formats/PointsList.h"
#include "formats/SettingLimits.h"
#include "storage/ActionLog.h"
#include "storage/SettingsPort.h"
#include "storage/TournamentFile.h"

namespace vkr {
namespace {

constexpr int32_t kLobbyTables = 150;

// Table numbers wrap into 1..150.
int32_t Wrapped(int64_t value) {
  int64_t m = value % kLobbyTables;
  if (m < 0) m += kLobbyTables;
  return static_cast<int32_t>(m + 1);
}

TPointsList HeldTables(const TPointsList& tables) {
  TPointsList held;
  for (size_t r = 0; r < kPointsRows; ++r) held[r] = Clamped(tables[r], kStartTableRange);
  return held;
}

}  // namespace

TStartTablesPreview PreviewStartTables(const TPointsList& startTables, int players, int elim) {
  const TPointsList s = HeldTables(startTables);
  TStartTablesPreview preview;
  int64_t n = Clamped(players, kExpectedPlayersRange), oneLoss = 0, twoLoss = 0;
  for (size_t r = 0; r < kPreviewRounds; ++r) {
    if (r == 0 || elim == ElimSingle) {
      preview.LastTable[r] = Wrapped((n - 1) / 2 + s[r] - 1);
    } else if (elim == ElimDouble) {
      preview.LastTable[r] = Wrapped((s[r] + oneLoss - 2) & ~int64_t{1});
    } else if (twoLoss < oneLoss) {
      preview.LastTable[r] = Wrapped(((s[r] + 1) / 3 + (oneLoss - 1) / 2) * 3 + 1);
    } else {
      preview.LastTable[r] = Wrapped(((s[r] + 1) / 3 + (twoLoss - 1) / 2) * 3 + 2);
    }
    twoLoss = oneLoss / 2 + (twoLoss + 1) / 2;
    oneLoss = n / 2 + (oneLoss + 1) / 2;
    n = (n + 1) / 2;
    const bool more = elim == ElimSingle ? n > 4 : elim == ElimDouble ? oneLoss > 2 : twoLoss != 1;
    if (!more) break;
  }
  if (elim == ElimSingle) preview.SemiLabel = Sprintf("to %d", s[13] + 1);
  return preview;
}

bool DefaultStartTablesClick(TTourney& t) {
  if (t.SignupsClosed) return false;
  WriteLogLine(t, "Menu: Format/Options/Default start tables");
  return true;
}

void ApplyStartTables(TTourney& t, const TPointsList& tables) {
  t.StartTables = HeldTables(tables);
  WriteLogLine(t, "    -> Starting tables are: " + ListToText(t.StartTables));
  SetElimFormat(t, t.ElimFormat);
  SaveTournament(t);
}

void SetDefaultStartTables(TTourney& t, const TPointsList& tables, TSettingsPort& settings) {
  t.Format.DefaultStartTables = HeldTables(tables);
  settings.WriteString("Default Start Tables", ListToText(t.Format.DefaultStartTables));
}

}  // namespace vkr
