#include "lobby/LobbyWindows.h"

#include <functional>
#include <string>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "lobby/WindowSystemPort.h"

namespace vkr {
namespace {

// The chat input box is the one-line box; the chat history has the same class
// but is taller.
constexpr std::string_view kChatBoxClass = "RichEdit20W";
constexpr int kMinChatBoxHeight = 20;
constexpr int kMaxChatBoxHeight = 50;
// A walk of top-level windows ends here even if the window system keeps
// giving windows.
constexpr size_t kMaxLobbiesPerClass = 1024;

bool HasClass(TWindowSystemPort& windows, TWindowHandle window, std::string_view className) {
  return SameText(windows.ClassName(window), className);
}

// The first descendant of root, depth-first, that passes the test; 0 when
// none does or root is none (a search from no window must not turn into a
// search of the whole desktop).
TWindowHandle FirstDescendant(TWindowSystemPort& windows, TWindowHandle root,
                              const std::function<bool(TWindowHandle)>& test) {
  TWindowHandle found = 0;
  if (root == 0) return found;
  windows.ForEachDescendant(root, [&](TWindowHandle window) {
    if (!test(window)) return true;
    found = window;
    return false;
  });
  return found;
}

TWindowHandle FirstChatBox(TWindowSystemPort& windows, TWindowHandle root) {
  return FirstDescendant(windows, root, [&](TWindowHandle window) {
    if (!HasClass(windows, window, kChatBoxClass)) return false;
    const int height = windows.ClientHeight(window);
    return height >= kMinChatBoxHeight && height <= kMaxChatBoxHeight;
  });
}

// ZoneLobbyWindow: the chat sits in an ActiveX host, inside a ChatControl.
TWindowHandle FindHostedChatBox(TWindowSystemPort& windows, TWindowHandle lobby) {
  const TWindowHandle host = FirstDescendant(windows, lobby, [&](TWindowHandle window) {
    return HasClass(windows, window, "AtlAxWin");
  });
  if (host == 0) return 0;
  TWindowHandle chatControl = 0;
  FirstDescendant(windows, windows.FirstChild(host), [&](TWindowHandle window) {
    const TWindowHandle child = windows.FirstChild(window);
    if (child == 0 || !HasClass(windows, child, "ChatControl")) return false;
    chatControl = child;
    return true;
  });
  return FirstChatBox(windows, chatControl);
}

}  // namespace

std::vector<TLobbyEntry> EnumerateLobbies(const TTourney& t) {
  std::vector<TLobbyEntry> list;
  TWindowSystemPort* windows = t.Ports.Windows;
  if (windows == nullptr) return list;
  for (std::string_view kind : {kClientLobbyClass, kLobbyWindowClass}) {
    const std::string className(kind);
    TWindowHandle window = windows->FindTopLevel(className, 0);
    for (size_t n = 0; window != 0 && n < kMaxLobbiesPerClass; ++n) {
      list.push_back(TLobbyEntry{windows->WindowText(window), window});
      window = windows->FindTopLevel(className, window);
    }
  }
  return list;
}

TWindowHandle FindLobbyEdit(const TTourney& t, TWindowHandle lobby) {
  TWindowSystemPort* windows = t.Ports.Windows;
  if (windows == nullptr || lobby == 0) return 0;
  if (IsLobbyWindowKind(t, lobby)) return FindHostedChatBox(*windows, lobby);
  return FirstChatBox(*windows, windows->FirstChild(lobby));
}

bool IsLobbyWindowKind(const TTourney& t, TWindowHandle lobby) {
  return t.Ports.Windows != nullptr && lobby != 0 && HasClass(*t.Ports.Windows, lobby, kLobbyWindowClass);
}

}  // namespace vkr
