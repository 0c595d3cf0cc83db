#include "cli/ScriptHost.h"

#include "base/Cp1252.h"
#include "timing/TimerTick.h"
#include "timing/ZoneClocks.h"

namespace vkr::cli {

namespace {

// The stream's own flag (std::ios_base::iword) for ShowLineBreaks.
int LineBreaksFlag() {
  static const int index = std::ios_base::xalloc();
  return index;
}

}  // namespace

void ShowLineBreaks(std::ostream& out) { out.iword(LineBreaksFlag()) = 1; }

void PrintLine(std::ostream& out, const std::string& prefix, const std::string& text) {
  const bool realBreaks = out.iword(LineBreaksFlag()) != 0;
  const std::string indent(realBreaks ? prefix.size() : 0, ' ');
  std::string flat;
  flat.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (!realBreaks) {
        flat += "\\n";
        continue;
      }
      flat += '\n';
      // A blank line of the text stays blank, without trailing spaces.
      if (i + 1 < text.size() && text[i + 1] != '\r' && text[i + 1] != '\n') flat += indent;
    } else {
      flat += text[i];
    }
  }
  out << prefix << Cp1252ToUtf8(flat) << '\n';
}

bool TScriptScreen::Confirm(const std::string& text, bool*) {
  PrintLine(FOut, "ask: ", text + (Answer ? " -> yes" : " -> no"));
  return Answer;
}

bool TScriptScreen::Notify(const std::string& text) {
  PrintLine(FOut, "notice: ", text);
  return false;
}

void TScriptScreen::LinePosted(const std::string& text) {
  PrintLine(FOut, "post: ", text);
  FClipboard.ExpectPost();
}

bool TScriptClipboard::SetText(const std::string& ansi, const std::u16string&) {
  FText = ansi;
  if (FExpectPost) FExpectPost = false;
  else PrintLine(FOut, "clipboard: ", ansi);
  return true;
}

void TScriptClock::Set(TDateTime value) {
  FFixed = true;
  FNow = value;
}

void TScriptClock::Wait(double seconds, const std::function<void()>& everySecond) {
  if (!FFixed) Set(FReal.Now());
  const TDateTime start = FNow;
  const uint64_t startTicks = FTicks;
  if (everySecond) {
    // Each second is placed from the start, so the end is exactly where one
    // step would have put it.
    for (double second = 1; second <= seconds; ++second) {
      FNow = start + second / kSecondsPerDay;
      FTicks = startTicks + static_cast<uint64_t>(second) * 1000;
      everySecond();
    }
  }
  FNow = start + seconds / kSecondsPerDay;
  FTicks = startTicks + static_cast<uint64_t>(seconds * 1000.0 + 0.5);
}

TDateTime TScriptClock::Now() { return FFixed ? FNow : FReal.Now(); }
TDateTime TScriptClock::UtcNow() { return FFixed ? FNow : FReal.UtcNow(); }
uint64_t TScriptClock::TickCount() { return FFixed ? FTicks : FReal.TickCount(); }

TScriptHost::TScriptHost(std::ostream& out)
    : Out(out), Clipboard(out), Screen(out, Clipboard), Lobby([this] { return Clipboard.Text(); }) {
  auto printAs = [this](std::string kind) {
    return [this, kind](const std::string& title, const std::string& text) {
      PrintLine(Out, kind + "[" + title + "]: ", text);
    };
  };
  Lobby.SetHooks(printAs("chatbox"), printAs("chat"));
  T.Ports.Screen = &Screen;
  T.Ports.Clock = &Clock;
  T.Ports.Clipboard = &Clipboard;
  T.Ports.Files = &Files;
  T.Ports.Windows = &Lobby;
  T.Ports.TimeZones = &Zones;
  LoadZoneClocks(T);
  T.FilesFolder = FilesTemp.Path();
  Files.SetFilesFolder(&T.FilesFolder);
}

void TScriptHost::TimerTick() { TimerTimer(T); }

}  // namespace vkr::cli
