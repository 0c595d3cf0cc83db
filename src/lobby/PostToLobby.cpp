#include "lobby/PostToLobby.h"

#include "base/Cp1252.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/ClipboardPort.h"
#include "lobby/WindowSystemPort.h"
#include "storage/ActionLog.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

// Lets the lobby client send a line before the next one is pasted.
constexpr uint32_t kSendPauseMs = 100;

}  // namespace

void PostToLobby(TTourney& t, const std::string& text, bool autoPost) {
  t.Ports.Screen->LinePosted(text);
  WriteLogLine(t, "    -> Posting \"" + text + "\"");
  // A marked line is for the host to post: the engine leaves it on the clipboard.
  const bool marked = text.size() >= 3 && text.compare(0, 2, "%!") == 0;
  const std::string payload = marked ? text.substr(2) : text;
  const bool onClipboard = t.Ports.Clipboard->SetText(payload, Cp1252ToUtf16(payload));
  if (!onClipboard) t.Ports.Screen->Warning("Can't copy message into clipboard");
  TWindowSystemPort* windows = t.Ports.Windows;
  const TWindowHandle edit = t.Lobby.FLobbyEditWnd;
  if (edit == 0 || windows == nullptr || (marked && autoPost)) return;
  // A paste now would send whatever older text the clipboard still holds.
  if (!onClipboard) return;
  windows->SelectAllAndPaste(edit);
  if (t.Lobby.AutoPostPreview) return;  // the host reviews and sends it
  windows->PostEnter(edit);
  t.Ports.Clock->DelayWithMessages(kSendPauseMs);
}

}  // namespace vkr
