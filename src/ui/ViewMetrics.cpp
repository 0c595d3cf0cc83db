#include "ui/ViewMetrics.h"

namespace vkr {
namespace {
int gDpi = 96;
}

void SetViewDpi(int dpi) { gDpi = dpi > 0 ? dpi : 96; }
int Scaled(int designPixels) { return designPixels * gDpi / 96; }

int RowTop(int bracket, int visibleRow) {
  int top = Scaled(kRowPitch) * visibleRow;
  if (bracket == 0 && visibleRow >= kGroupRows) top += Scaled(kGroupGap);
  if (bracket == 0 && visibleRow >= 2 * kGroupRows) top += Scaled(kGroupGap);
  return top;
}

int RowHeight(int bracket, int row) {
  const bool groupEnd = bracket == 0 && (row == kGroupRows - 1 || row == 2 * kGroupRows - 1);
  return Scaled(kRowPitch) + (groupEnd ? Scaled(kGroupGap) : 0);
}

}  // namespace vkr
