#pragma once
// A screen that shows nothing: every question is answered Yes, every notice
// and box is dropped, every redraw request ignored. For trying a change on a
// copy of the tournament, and a base for screens that show only some things.
#include "engine/ScreenPort.h"

namespace vkr {

class TSilentScreen : public TScreenPort {
 public:
  bool Confirm(const std::string&, bool*) override { return true; }
  bool Notify(const std::string&) override { return false; }
  void Warning(const std::string&) override {}
  void Error(const std::string&) override {}
  void Information(const std::string&) override {}
  void RedrawRound(int, int) override {}
  void RebuildTabs() override {}
  void RepaintTabs(int) override {}
  void ShowTable(int, int, int) override {}
  void SetWinButton(int, int, int, int, bool) override {}
  void ControlsChanged() override {}
  void LinePosted(const std::string&) override {}
};

}  // namespace vkr
