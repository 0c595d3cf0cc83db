#include "sim/SimLobby.h"

#include <algorithm>
#include <utility>

#include "base/Text.h"
#include "lobby/LobbyWindows.h"

namespace vkr {
namespace {

// The buffers of GetWindowTextA (256) and GetClassNameA (64), without their zero.
constexpr size_t kMaxTitle = 255;
constexpr size_t kMaxClassName = 63;
constexpr int kChatBoxHeight = 24;
constexpr int kChatHistoryHeight = 300;
constexpr int kPaneHeight = 400;

}  // namespace

TSimLobby::TSimLobby(std::function<std::string()> clipboardText) : FClipboardText(std::move(clipboardText)) {}

void TSimLobby::SetHooks(TChatHook pasted, TChatHook chatLine) {
  FPasted = std::move(pasted);
  FChatLine = std::move(chatLine);
}

TSimLobbyWindows TSimLobby::OpenLobby(const std::string& title, const std::string& className) {
  TSimLobbyWindows made;
  made.Lobby = AddWindow(0, className, title, kPaneHeight);
  TWindowHandle chatParent = 0;
  if (SameText(className, kLobbyWindowClass)) {
    // The chat of this kind lives in an ActiveX host: a panel whose first
    // child is the chat control.
    const TWindowHandle host = AddWindow(made.Lobby, "AtlAxWin", "", kPaneHeight);
    const TWindowHandle container = AddWindow(host, "ZoneChatHost", "", kPaneHeight);
    const TWindowHandle panel = AddWindow(container, "ZoneChatPanel", "", kPaneHeight);
    chatParent = AddWindow(panel, "ChatControl", "", kPaneHeight);
  } else {
    chatParent = AddWindow(made.Lobby, "ZoneChatPane", "", kPaneHeight);
  }
  // The history comes first, so only the height test tells the two apart.
  made.ChatHistory = AddWindow(chatParent, "RichEdit20W", "", kChatHistoryHeight);
  made.ChatBox = AddWindow(chatParent, "RichEdit20W", "", kChatBoxHeight, made.ChatHistory);
  return made;
}

bool TSimLobby::CloseLobby(const std::string& title) {
  for (TWindowHandle window : FTopLevel) {
    if (FWindows.at(window).Title != title) continue;
    DestroyWindow(window);
    return true;
  }
  return false;
}

TWindowHandle TSimLobby::AddWindow(TWindowHandle parent, const std::string& className, const std::string& title,
                                   int clientHeight, TWindowHandle chatHistory) {
  TSimWindow* parentWindow = Find(parent);
  if (parent != 0 && parentWindow == nullptr) return 0;
  const TWindowHandle handle = ++FLastHandle;
  TSimWindow& window = FWindows[handle];
  window.Parent = parent;
  window.ClassName = className;
  window.Title = title;
  window.ClientHeight = clientHeight;
  window.ChatHistory = chatHistory;
  if (parentWindow != nullptr) parentWindow->Children.push_back(handle);
  else FTopLevel.push_back(handle);
  return handle;
}

void TSimLobby::DestroyWindow(TWindowHandle window) {
  TSimWindow* doomed = Find(window);
  if (doomed == nullptr) return;
  std::vector<TWindowHandle>& siblings = doomed->Parent == 0 ? FTopLevel : Find(doomed->Parent)->Children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), window));
  std::vector<TWindowHandle> pending{window};
  while (!pending.empty()) {
    auto it = FWindows.find(pending.back());
    pending.pop_back();
    pending.insert(pending.end(), it->second.Children.begin(), it->second.Children.end());
    FWindows.erase(it);
  }
}

std::string TSimLobby::BoxText(TWindowHandle chatBox) const {
  const TSimWindow* window = Find(chatBox);
  return window != nullptr ? window->Text : std::string();
}

std::vector<std::string> TSimLobby::ChatLines(TWindowHandle chatHistory) const {
  const TSimWindow* window = Find(chatHistory);
  return window != nullptr ? window->Lines : std::vector<std::string>();
}

TWindowHandle TSimLobby::FindTopLevel(const std::string& className, TWindowHandle after) {
  auto from = FTopLevel.begin();
  if (after != 0) {
    from = std::find(FTopLevel.begin(), FTopLevel.end(), after);
    if (from == FTopLevel.end()) return 0;
    ++from;
  }
  auto hit = std::find_if(from, FTopLevel.end(),
                          [&](TWindowHandle window) { return SameText(FWindows.at(window).ClassName, className); });
  return hit != FTopLevel.end() ? *hit : 0;
}

std::string TSimLobby::WindowText(TWindowHandle window) {
  const TSimWindow* found = Find(window);
  return found != nullptr ? found->Title.substr(0, kMaxTitle) : std::string();
}

std::string TSimLobby::ClassName(TWindowHandle window) {
  const TSimWindow* found = Find(window);
  return found != nullptr ? found->ClassName.substr(0, kMaxClassName) : std::string();
}

void TSimLobby::ForEachDescendant(TWindowHandle window, const std::function<bool(TWindowHandle)>& visit) {
  const TSimWindow* root = Find(window);
  if (root == nullptr) return;
  // Depth-first, each window before its children, children in order.
  std::vector<TWindowHandle> pending(root->Children.rbegin(), root->Children.rend());
  while (!pending.empty()) {
    const TWindowHandle next = pending.back();
    pending.pop_back();
    if (!visit(next)) return;
    const TSimWindow* visited = Find(next);
    if (visited != nullptr) pending.insert(pending.end(), visited->Children.rbegin(), visited->Children.rend());
  }
}

TWindowHandle TSimLobby::FirstChild(TWindowHandle window) {
  const TSimWindow* found = Find(window);
  return found != nullptr && !found->Children.empty() ? found->Children.front() : 0;
}

int TSimLobby::ClientHeight(TWindowHandle window) {
  const TSimWindow* found = Find(window);
  return found != nullptr ? found->ClientHeight : 0;
}

void TSimLobby::SelectAllAndPaste(TWindowHandle edit) {
  TSimWindow* box = Find(edit);
  if (box == nullptr) return;
  box->Text = FClipboardText();
  if (FPasted) FPasted(LobbyTitle(edit), box->Text);
}

void TSimLobby::PostEnter(TWindowHandle edit) {
  TSimWindow* box = Find(edit);
  if (box == nullptr) return;
  TSimWindow* history = Find(box->ChatHistory);
  // Like a chat client, an empty box sends nothing.
  if (history == nullptr || box->Text.empty()) return;
  std::string line = std::move(box->Text);
  box->Text.clear();
  history->Lines.push_back(line);
  if (FChatLine) FChatLine(LobbyTitle(edit), line);
}

const TSimLobby::TSimWindow* TSimLobby::Find(TWindowHandle window) const {
  auto it = FWindows.find(window);
  return it != FWindows.end() ? &it->second : nullptr;
}

TSimLobby::TSimWindow* TSimLobby::Find(TWindowHandle window) {
  return const_cast<TSimWindow*>(std::as_const(*this).Find(window));
}

std::string TSimLobby::LobbyTitle(TWindowHandle window) const {
  const TSimWindow* found = Find(window);
  while (found != nullptr && found->Parent != 0) found = Find(found->Parent);
  return found != nullptr ? found->Title : std::string();
}

}  // namespace vkr
