#pragma once
// The ports of a scripted run: questions answered by the current answer,
// everything shown printed as one line on standard output, a clock that only
// moves when told once it has been set, and real files.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/SilentScreen.h"
#include "engine/Tourney.h"
#include "formats/FormatStore.h"
#include "lobby/ClipboardPort.h"
#include "native/FilesWithLogFolder.h"
#include "native/NativePorts.h"
#include "posix/BuiltInTimeZones.h"
#include "sim/SimLobby.h"
#include "timing/UsTimeFormats.h"

namespace vkr::cli {

// One output line: prefix, then the text converted from code page 1252 to
// UTF-8. Line breaks inside the text are printed as the two characters \n,
// so that a transcript keeps one line per event, unless the stream was set
// to show them.
void PrintLine(std::ostream& out, const std::string& prefix, const std::string& text);
// From now on PrintLine on this stream breaks the line where the text does,
// indenting the following lines under the text: for a person reading.
void ShowLineBreaks(std::ostream& out);

class TScriptClipboard;

class TScriptScreen : public TSilentScreen {
 public:
  TScriptScreen(std::ostream& out, TScriptClipboard& clipboard) : FOut(out), FClipboard(clipboard) {}
  bool Answer = true;
  bool Confirm(const std::string& text, bool* dontAsk) override;
  bool Notify(const std::string& text) override;
  void Warning(const std::string& text) override { PrintLine(FOut, "warning: ", text); }
  void Error(const std::string& text) override { PrintLine(FOut, "error: ", text); }
  void Information(const std::string& text) override { PrintLine(FOut, "info: ", text); }
  void LinePosted(const std::string& text) override;

 private:
  std::ostream& FOut;
  TScriptClipboard& FClipboard;
};

class TScriptClipboard : public TClipboardPort {
 public:
  explicit TScriptClipboard(std::ostream& out) : FOut(out) {}
  // The next text is a posted line's payload: already printed as "post:".
  void ExpectPost() { FExpectPost = true; }
  bool SetText(const std::string& ansi, const std::u16string& wide) override;
  const std::string& Text() const { return FText; }

 private:
  std::ostream& FOut;
  bool FExpectPost = false;
  std::string FText;
};

class TScriptClock : public TClockPort {
 public:
  void Set(TDateTime value);
  // Moves the clock on; everySecond runs at each whole second of the wait.
  void Wait(double seconds, const std::function<void()>& everySecond = {});
  TDateTime Now() override;
  TDateTime UtcNow() override;
  uint64_t TickCount() override;
  std::string ShortTime(TDateTime value) override { return UsShortTime(value); }
  std::string ShortDate(TDateTime value) override { return UsShortDate(value); }
  std::string LongTime(TDateTime value) override { return UsLongTime(value); }
  // A scripted run never waits: its clock moves on by the delay instead.
  void DelayWithMessages(uint32_t ms) override { Wait(ms / 1000.0); }

 private:
  TNativeClock FReal;
  bool FFixed = false;
  TDateTime FNow = 0;
  uint64_t FTicks = 0;
};

struct TScriptHost {
  explicit TScriptHost(std::ostream& out);
  TScriptHost(const TScriptHost&) = delete;
  TScriptHost& operator=(const TScriptHost&) = delete;

  std::ostream& Out;
  TScriptClipboard Clipboard;
  TScriptScreen Screen;
  TScriptClock Clock;
  TFilesWithLogFolder Files;
  // The script's clock is universal time: local time is the zone "UTC".
  TBuiltInTimeZones Zones;
  TSimLobby Lobby;  // prints "chatbox[TITLE]: " for each paste, "chat[TITLE]: " for each line sent
  // The folder for files unless the script names one: nothing of the user's is touched.
  TNativeTempFolder FilesTemp;
  TTourney T;
  // Formats a script composes before writing them as the store.
  std::vector<TFormat> FormatDraft;

  // The host window's one-second timer.
  void TimerTick();
};

}  // namespace vkr::cli
