#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"

namespace vkr {

void SetElimFormatClick(TTourney& t, int format) {
  static const char* const kLines[3] = {"Menu: ElimFormat = Single", "Menu: ElimFormat = Double",
                                        "Menu: Format/Elim/Triple"};
  WriteLogLine(t, kLines[format]);
  SetElimFormat(t, format);
}

void SetElimFormat(TTourney& t, int format) {
  static const char* const kLines[3] = {"    -> ElimFormat = Single", "    -> ElimFormat = Double",
                                        "    -> ElimFormat = Triple"};
  t.ElimFormat = format;
  WriteLogLine(t, kLines[format]);
  // The one-loss view exists in Double and Triple, the two-loss view in Triple.
  t.View.RowsBuilt[OneLoss] = format >= ElimDouble;
  t.View.RowsBuilt[TwoLoss] = format == ElimTriple;
  NumberTables(t);
  UpdateTableCount(t, kMaxEntries);
  t.Ports.Screen->ControlsChanged();
}

}  // namespace vkr
