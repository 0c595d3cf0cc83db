#include "ui/BracketArrangement.h"

#include <cmath>

#include "engine/Model.h"

namespace vkr {
namespace {

int PanelsOf(int format) { return format == ElimTriple ? 3 : format == ElimDouble ? 2 : 1; }

// a * b / c rounded, or 0 when c is 0.
int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

void SideBySide(const TArrangeInput& in, TArrangement& a) {
  const int n = PanelsOf(in.ElimFormat);
  a.Vertical = false;
  for (int p = 0; p < n; ++p) {
    a.Shown[p] = true;
    a.TabsShown[p] = true;
    a.Size[p] = in.ViewWidth;
  }
  a.WindowWidth = n * in.ViewWidth + in.Extra;
}

void StackedDouble(const TArrangeInput& in, TArrangement& a) {
  const int h = in.Height, s = in.SplitterHeight, m = in.MinimisedHeight;
  const bool w = in.Minimised[Winners], o = in.Minimised[OneLoss];
  a.ButtonEnabled = {!o, !w, false};
  if (w) {
    a.Size = {m, h - m, 0};
  } else if (o) {
    a.Size = {h - m, m, 0};
  } else {
    a.Size[Winners] = (h - s) / 2;
    a.Size[OneLoss] = h - s - a.Size[Winners];
    a.SplitterShown[0] = true;
  }
}

void StackedTriple(const TArrangeInput& in, TArrangement& a) {
  const int h = in.Height, s = in.SplitterHeight, m = in.MinimisedHeight;
  const bool w = in.Minimised[Winners], o = in.Minimised[OneLoss], t = in.Minimised[TwoLoss];
  std::array<int, 3>& size = a.Size;
  a.ButtonEnabled = {true, true, true};
  if (!w && !o && !t) {
    size[Winners] = size[TwoLoss] = (h - 2 * s) / 3;
    size[OneLoss] = h - 2 * s - 2 * size[Winners];
    a.SplitterShown = {true, true};
  } else if (w && !o && !t) {
    size = {m, (h - s - m) / 2, 0};
    size[TwoLoss] = h - s - m - size[OneLoss];
    a.SplitterShown = {false, true};
  } else if (o && !w && !t) {
    // The minimised one-loss panel goes to the bottom; two-loss fills between.
    a.Order = {Winners, TwoLoss, OneLoss};
    size = {(h - s - m) / 2, m, 0};
    size[TwoLoss] = h - s - m - size[Winners];
    a.SplitterShown = {true, false};
  } else if (t && !w && !o) {
    size = {(h - s - m) / 2, 0, m};
    size[OneLoss] = h - s - m - size[Winners];
    a.SplitterShown = {true, false};
  } else {
    // Two minimised: the third fills and may not be minimised too.
    for (int p = 0; p < 3; ++p) size[p] = in.Minimised[p] ? m : h - 2 * m;
    for (int p = 0; p < 3; ++p) a.ButtonEnabled[p] = in.Minimised[p];
  }
}

}  // namespace

TArrangement ArrangeBrackets(const TArrangeInput& in, const TArrangement& current) {
  const bool stacked = in.Arrangement == 1 && in.ElimFormat != ElimSingle;
  if (stacked && in.ElimFormat == ElimTriple && in.Minimised[0] && in.Minimised[1] && in.Minimised[2]) return current;
  TArrangement a;
  if (!stacked) {
    SideBySide(in, a);
    return a;
  }
  a.Vertical = true;
  a.WindowWidth = in.ViewWidth + in.Extra;
  const int n = PanelsOf(in.ElimFormat);
  for (int p = 0; p < n; ++p) {
    a.Shown[p] = true;
    a.ButtonShown[p] = true;
    a.TabsShown[p] = !in.Minimised[p];
  }
  if (n == 2) StackedDouble(in, a);
  else StackedTriple(in, a);
  return a;
}

std::array<int, 3> KeepProportions(const TArrangeInput& in, const TArrangement& current) {
  std::array<int, 3> size = current.Size;
  if (!current.Vertical) return size;
  const std::array<int, 3>& r = in.Remembered;
  const int h = in.Height, s = in.SplitterHeight;
  const bool w = in.Minimised[Winners], o = in.Minimised[OneLoss];
  int minimisedCount = 0;
  for (int p = 0; p < 3; ++p) minimisedCount += current.Shown[p] && in.Minimised[p] ? 1 : 0;
  auto fill = [&](int filler) {
    int used = 0;
    for (int p = 0; p < 3; ++p) {
      if (p != filler && current.Shown[p]) used += size[p];
    }
    int splitters = current.SplitterShown[0] + current.SplitterShown[1];
    size[filler] = h - splitters * s - used;
  };
  if (in.ElimFormat == ElimDouble) {
    if (o) {
      fill(Winners);
      return size;
    }
    if (!w && r[Winners] + r[OneLoss] > 0) size[Winners] = MulDiv(r[Winners], h - s, r[Winners] + r[OneLoss]);
    fill(OneLoss);
    return size;
  }
  if (minimisedCount >= 2) {
    for (int p = 0; p < 3; ++p) {
      if (!in.Minimised[p]) fill(p);
    }
    return size;
  }
  if (minimisedCount == 0) {
    const int sum = r[Winners] + r[OneLoss] + r[TwoLoss];
    if (sum > 0) {
      size[Winners] = MulDiv(r[Winners], h - 2 * s, sum);
      size[TwoLoss] = MulDiv(r[TwoLoss], h - 2 * s, sum);
    }
    fill(OneLoss);
  } else if (w) {
    if (r[OneLoss] + r[TwoLoss] > 0) size[OneLoss] = MulDiv(r[OneLoss], h - s - size[Winners], r[OneLoss] + r[TwoLoss]);
    fill(TwoLoss);
  } else if (o) {
    if (r[Winners] + r[TwoLoss] > 0) size[Winners] = MulDiv(r[Winners], h - s - size[OneLoss], r[Winners] + r[TwoLoss]);
    fill(TwoLoss);
  } else {
    if (r[Winners] + r[OneLoss] > 0) size[Winners] = MulDiv(r[Winners], h - s - size[TwoLoss], r[Winners] + r[OneLoss]);
    fill(OneLoss);
  }
  return size;
}

}  // namespace vkr
