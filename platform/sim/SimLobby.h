#pragma once
// A simulated lobby client for systems without one and for the tests:
// top-level windows of the lobby classes with the child windows the chat box
// search expects. Pasting puts the clipboard's text into a chat box; Enter
// moves the box's text into the lobby's chat history and empties the box.
// Handles are never reused, so a closed and reopened lobby gets new ones.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "lobby/WindowSystemPort.h"

namespace vkr {

// The windows of one opened lobby.
struct TSimLobbyWindows {
  TWindowHandle Lobby = 0;
  TWindowHandle ChatBox = 0;
  TWindowHandle ChatHistory = 0;
};

class TSimLobby : public TWindowSystemPort {
 public:
  // Called with the lobby's title and the text.
  using TChatHook = std::function<void(const std::string& title, const std::string& text)>;

  // clipboardText gives the text a paste takes.
  explicit TSimLobby(std::function<std::string()> clipboardText);

  // Seen by whoever shows the lobby: each paste into a chat box and each line
  // that reaches a chat history.
  void SetHooks(TChatHook pasted, TChatHook chatLine);

  // A lobby window at the end of the window order; of class ZoneLobbyWindow
  // (any case) it has that kind's ActiveX chat layout, of any other class the
  // ZoneLobbyClientWnd layout.
  TSimLobbyWindows OpenLobby(const std::string& title, const std::string& className);
  // Closes the first lobby window in window order with exactly this title.
  bool CloseLobby(const std::string& title);
  // Building blocks for other window layouts. A parent of 0 makes a
  // top-level window; a chat history link makes the window a chat box.
  TWindowHandle AddWindow(TWindowHandle parent, const std::string& className, const std::string& title,
                          int clientHeight, TWindowHandle chatHistory = 0);
  void DestroyWindow(TWindowHandle window);

  std::string BoxText(TWindowHandle chatBox) const;
  std::vector<std::string> ChatLines(TWindowHandle chatHistory) const;

  TWindowHandle FindTopLevel(const std::string& className, TWindowHandle after) override;
  std::string WindowText(TWindowHandle window) override;
  std::string ClassName(TWindowHandle window) override;
  void ForEachDescendant(TWindowHandle window, const std::function<bool(TWindowHandle)>& visit) override;
  TWindowHandle FirstChild(TWindowHandle window) override;
  int ClientHeight(TWindowHandle window) override;
  void SelectAllAndPaste(TWindowHandle edit) override;
  void PostEnter(TWindowHandle edit) override;

 private:
  struct TSimWindow {
    TWindowHandle Parent = 0;
    std::string ClassName;
    std::string Title;
    int ClientHeight = 0;
    std::vector<TWindowHandle> Children;
    TWindowHandle ChatHistory = 0;  // a chat box: where Enter sends its text
    std::string Text;               // a chat box's text
    std::vector<std::string> Lines;  // a chat history's lines
  };

  const TSimWindow* Find(TWindowHandle window) const;
  TSimWindow* Find(TWindowHandle window);
  // The title of the top-level window that holds this one.
  std::string LobbyTitle(TWindowHandle window) const;

  std::function<std::string()> FClipboardText;
  TChatHook FPasted, FChatLine;
  std::map<TWindowHandle, TSimWindow> FWindows;
  std::vector<TWindowHandle> FTopLevel;  // in window order
  TWindowHandle FLastHandle = 0;
};

}  // namespace vkr
