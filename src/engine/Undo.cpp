#include "engine/Undo.h"

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
#include "formats/SizePoints.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"

namespace vkr {
namespace {

void Restore(TTourney& t, TListKind from, const char* logLine) {
  if (t.Model.History().Empty(from)) return;
  WriteLogLine(t, logLine);
  t.Model.RestoreTop(from);
  t.Ports.Screen->ControlsChanged();
  for (int b = 0; b < kBrackets; ++b) UpdateRound(t, b, t.View.ShownRound[static_cast<size_t>(b)]);
  RefreshBracketTabs(t);
  SelectSizePoints(t);
  SaveTournament(t);
}

}  // namespace

void TakeUndoSnapshot(TTourney& t) {
  t.Model.PushSnapshot(TListKind::Undo, true);
  t.Ports.Screen->ControlsChanged();
}

void ClearUndoRedo(TTourney& t) {
  t.Model.ClearHistory(TListKind::Undo);
  t.Model.ClearHistory(TListKind::Redo);
  t.Ports.Screen->ControlsChanged();
}

void UndoClick(TTourney& t) { Restore(t, TListKind::Undo, "Click: Undo"); }
void RedoClick(TTourney& t) { Restore(t, TListKind::Redo, "Click: Redo"); }
bool CanUndo(const TTourney& t) { return !t.Model.History().Empty(TListKind::Undo); }
bool CanRedo(const TTourney& t) { return !t.Model.History().Empty(TListKind::Redo); }

}  // namespace vkr
