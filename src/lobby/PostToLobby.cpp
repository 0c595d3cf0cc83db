#include "lobby/PostToLobby.h"

#include "base/Cp1252.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/ClipboardPort.h"
#include "storage/ActionLog.h"

namespace vkr {

void PostToLobby(TTourney& t, const std::string& text, bool autoPost) {
  t.Ports.Screen->LinePosted(text);
  WriteLogLine(t, "    -> Posting \"" + text + "\"");
  bool marked = text.size() >= 3 && text.compare(0, 2, "%!") == 0;
  std::string payload = marked ? text.substr(2) : text;
  if (!t.Ports.Clipboard->SetText(payload, Cp1252ToUtf16(payload))) {
    t.Ports.Screen->Warning("Can't copy message into clipboard");
  }
  if (t.Lobby.FLobbyEditWnd == 0 || (marked && autoPost)) return;
}

}  // namespace vkr
