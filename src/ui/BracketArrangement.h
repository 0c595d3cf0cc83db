#pragma once
// Where the three bracket panels go: side by side or stacked, which are
// minimised, how tall each is, which splitters and minimise buttons can be
// used, and how wide the window must be. Plain arithmetic on sizes, so the
// rules can be checked without any widget.
#include <array>

namespace vkr {

struct TArrangeInput {
  int ElimFormat = 0;   // TElimFormat
  int Arrangement = 0;  // 0 side by side, 1 stacked
  std::array<bool, 3> Minimised{};
  int ViewWidth = 292;       // one bracket view
  int Extra = 0;             // window width besides the views (frame, status summary)
  int Height = 0;            // the brackets panel
  int SplitterHeight = 4;
  int MinimisedHeight = 20;  // a minimised panel: its label and a margin
  std::array<int, 3> Remembered{};  // panel heights the host left with the splitters
};

struct TArrangement {
  bool Vertical = false;
  std::array<int, 3> Order{0, 1, 2};  // the panels from top (or left) to bottom
  std::array<bool, 3> Shown{};         // per panel
  std::array<int, 3> Size{};           // per panel: height when stacked, width side by side
  std::array<bool, 3> TabsShown{};     // per panel
  std::array<bool, 3> ButtonShown{}, ButtonEnabled{};  // minimise buttons
  std::array<bool, 2> SplitterShown{};  // above the second and the third panel in Order
  int WindowWidth = 0;                  // fixed: the window's minimum and maximum width

  bool operator==(const TArrangement&) const = default;
};

// The layout for the format, the arrangement and the minimised panels. When
// every panel of a stacked triple is minimised nothing changes: `current`
// is returned.
TArrangement ArrangeBrackets(const TArrangeInput& in, const TArrangement& current);

// The panel heights after the brackets panel was resized to in.Height,
// keeping the proportions of in.Remembered; a minimised panel keeps its
// height. Side by side or with two panels minimised only the filling panel
// changes.
std::array<int, 3> KeepProportions(const TArrangeInput& in, const TArrangement& current);

}  // namespace vkr
