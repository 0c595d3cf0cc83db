#pragma once
// The host's screen as the core sees it: modal questions and message boxes
// with their exact texts, and requests to redraw parts of the bracket views.
#include <string>

namespace vkr {

class TScreenPort {
 public:
  virtual ~TScreenPort() = default;

  // A Yes/No confirmation. With dontAsk set the box carries "Don't ask me
  // again"; the answer to it comes back in *dontAsk.
  virtual bool Confirm(const std::string& text, bool* dontAsk) = 0;
  // A notice with "Don't tell me again"; gives whether that box was ticked.
  virtual bool Notify(const std::string& text) = 0;
  virtual void Warning(const std::string& text) = 0;
  virtual void Error(const std::string& text) = 0;
  virtual void Information(const std::string& text) = 0;

  // Redraw requests. A view redraws a round only when it shows it.
  virtual void RedrawRound(int bracket, int round) = 0;
  virtual void RebuildTabs() = 0;
  virtual void RepaintTabs(int bracket) = 0;
  virtual void ShowTable(int bracket, int round, int tableIndex) = 0;
  virtual void SetWinButton(int bracket, int round, int tableIndex, int seat, bool down) = 0;
  // Enabled states, captions and check marks derived from the core's state.
  virtual void ControlsChanged() = 0;
  // The points summary, once the grand final is decided while "Show points
  // at end" is on. A screen without a points view has nothing to show.
  virtual void ShowPointsView() {}

  // Each line handed to the lobby poster, before anything else happens to it.
  virtual void LinePosted(const std::string& text) = 0;
};

}  // namespace vkr
