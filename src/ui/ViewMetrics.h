#pragma once
// The measures of the bracket views in design pixels at 96 dots per inch,
// and their scaling to the screen.
namespace vkr {

constexpr int kHeaderHeight = 16;
constexpr int kRowPitch = 43;
constexpr int kSeatTop = 2;
constexpr int kSeatPitch = 19;
constexpr int kNameLeft = 30, kNameWidth = 110;
constexpr int kWinLeft = 143, kWinWidth = 19;
constexpr int kBootLeft = 164, kBootWidth = 32;
constexpr int kCopyLeft = 200, kCopyWidth = 20;
constexpr int kNextLeft = 220, kNextWidth = 30;
constexpr int kViewWidth = 292;
// Winners rows are grouped by 32 tables: a thicker bar after rows 31 and 63.
constexpr int kGroupRows = 32;
constexpr int kGroupGap = 2;

// Sets the screen's dots per inch once at start; Scaled() truncates as the
// layout rules do (at 120 dpi a pitch of 43 becomes 53).
void SetViewDpi(int dpi);
int Scaled(int designPixels);

// The top of the row shown as the v-th visible row (0-based): winners rows
// from the 33rd on sit lower by the group bars above them.
int RowTop(int bracket, int visibleRow);
// The height of row i of a view: the last row of a winners group holds its bar.
int RowHeight(int bracket, int row);

}  // namespace vkr
