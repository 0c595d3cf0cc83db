#pragma once
// Recording fakes of the core's ports and a tourney wired to them.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/ClipboardPort.h"
#include "storage/FileSystemPort.h"
#include "timing/ClockPort.h"

namespace vkr::test {

// Records every question, box and posted line; questions are answered from a
// queue, then with DefaultAnswer.
class TFakeScreen : public TScreenPort {
 public:
  std::vector<std::string> Events;  // "ask: ...", "notice: ...", "warning: ...", ...
  std::deque<bool> Answers;
  bool DefaultAnswer = true;
  std::vector<std::string> Posted;
  int PointsViews = 0;

  bool Confirm(const std::string& text, bool* dontAsk) override;
  bool Notify(const std::string& text) override;
  void Warning(const std::string& text) override { Events.push_back("warning: " + text); }
  void Error(const std::string& text) override { Events.push_back("error: " + text); }
  void Information(const std::string& text) override { Events.push_back("info: " + text); }
  void RedrawRound(int, int) override {}
  void RebuildTabs() override {}
  void RepaintTabs(int) override {}
  void ShowTable(int, int, int) override {}
  void SetWinButton(int, int, int, int, bool) override {}
  void ControlsChanged() override {}
  void ShowPointsView() override { ++PointsViews; }
  void LinePosted(const std::string& text) override { Posted.push_back(text); }
};

class TFakeClock : public TClockPort {
 public:
  TDateTime Current = EncodeDateTime(2026, 12, 5, 20, 30, 0);
  uint64_t Ticks = 1000;
  TDateTime Now() override { return Current; }
  TDateTime UtcNow() override { return Current + 5.0 / 24.0; }
  uint64_t TickCount() override { return Ticks; }
  std::string ShortTime(TDateTime v) override { return FormatDateTime("h:nn", v); }
  std::string ShortDate(TDateTime v) override { return FormatDateTime("m/d/yyyy", v); }
  std::string LongTime(TDateTime v) override { return FormatDateTime("h:nn:ss", v); }
  std::vector<uint32_t> Delays;
  void DelayWithMessages(uint32_t ms) override {
    Delays.push_back(ms);
    Advance(ms / 1000.0);
  }
  void Advance(double seconds) {
    Current += seconds / kSecondsPerDay;
    Ticks += static_cast<uint64_t>(seconds * 1000);
  }
};

class TFakeClipboard : public TClipboardPort {
 public:
  std::string Ansi;
  std::u16string Wide;
  bool Busy = false;
  bool SetText(const std::string& ansi, const std::u16string& wide) override {
    if (Busy) return false;
    Ansi = ansi;
    Wide = wide;
    return true;
  }
};

// Files in memory; FailWrites makes every write fail.
class TMemoryFileSystem : public TFileSystemPort {
 public:
  std::map<std::string, std::string> Files;
  bool FailWrites = false;
  bool AppendWriteThrough(const std::string& path, std::string_view bytes) override;
  bool ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool FileExists(const std::string& path) override { return Files.count(path) != 0; }
  bool DeleteFile(const std::string& path) override { return Files.erase(path) != 0; }
};

// A tourney wired to fresh fakes.
struct TTestHost {
  TFakeScreen Screen;
  TFakeClock Clock;
  TFakeClipboard Clipboard;
  TMemoryFileSystem Files;
  TTourney T;
  TTestHost();
  TTestHost(const TTestHost&) = delete;
  TTestHost& operator=(const TTestHost&) = delete;
  // The action log's lines so far.
  std::vector<std::string> LogLines() const;
};

}  // namespace vkr::test
