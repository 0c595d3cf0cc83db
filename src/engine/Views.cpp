#include "engine/Views.h"

#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"

namespace vkr {

void UpdateRound(TTourney& t, int bracket, int round) {
  if (!t.View.RowsBuilt[static_cast<size_t>(bracket)]) return;
  static const char* const kLines[kBrackets] = {"    -> UpdateWinnersRound", "    -> UpdateOneLossRound",
                                                "    -> UpdateTwoLossRound"};
  WriteLogLine(t, kLines[bracket]);
  t.Ports.Screen->RedrawRound(bracket, round);
}

void UpdateWinnersRound(TTourney& t, int round) { UpdateRound(t, Winners, round); }
void UpdateOneLossRound(TTourney& t, int round) { UpdateRound(t, OneLoss, round); }
void UpdateTwoLossRound(TTourney& t, int round) { UpdateRound(t, TwoLoss, round); }

void UpdateBracketTabs(TTourney& t) {
  WriteLogLine(t, "    -> UpdateBracketTabs");
  NumberDecidingTables(t);
  t.Ports.Screen->RebuildTabs();
}

void RefreshBracketTabs(TTourney& t) {
  WriteLogLine(t, "    -> UpdateBracketTabs");
  t.Ports.Screen->RebuildTabs();
}

void RepaintTabs(TTourney& t, int bracket) { t.Ports.Screen->RepaintTabs(bracket); }

}  // namespace vkr
