#pragma once
// A stand-in for the lobby client made of real windows: a top-level window of
// one of the two lobby classes, the panes and chat control the chat box is
// searched through, a tall chat history and the one-line chat box, both
// RichEdit20W. Enter in the chat box sends its text, if any, to the history,
// as the client does.
#include <string>
#include <vector>

#include "win32/WinApi.h"

namespace vkr::test {

class TWin32LobbyClient {
 public:
  // className: ZoneLobbyClientWnd or ZoneLobbyWindow. chatBoxHeight: the
  // chat box's client height in pixels.
  TWin32LobbyClient(const wchar_t* className, const wchar_t* title, int chatBoxHeight = 30);
  ~TWin32LobbyClient();
  TWin32LobbyClient(const TWin32LobbyClient&) = delete;
  TWin32LobbyClient& operator=(const TWin32LobbyClient&) = delete;

  HWND Lobby() const { return FLobby; }
  HWND ChatBox() const { return FChatBox; }
  // The lines sent with Enter, as they stood in the chat box.
  const std::vector<std::wstring>& Sent() const { return FSent; }
  // The chat history box's text.
  std::wstring History() const;
  std::wstring BoxText() const;
  // The key messages the chat box received, e.g. "down 13", "char 13", "up 13".
  const std::vector<std::string>& Keys() const { return FKeys; }
  // The window closes itself when a line is sent, as a lobby the host leaves.
  bool CloseOnSend = false;
  bool Closed() const { return !IsWindow(FLobby); }

 private:
  static LRESULT CALLBACK ChatBoxProc(HWND box, UINT message, WPARAM w, LPARAM l);
  void Send();

  HWND FLobby = nullptr, FHistory = nullptr, FChatBox = nullptr;
  WNDPROC FRichEditProc = nullptr;
  std::vector<std::wstring> FSent;
  std::vector<std::string> FKeys;
};

// The clipboard's text in one format; "<none>" when it holds none or cannot
// be opened.
std::string ClipboardAnsi();
std::wstring ClipboardWide();

}  // namespace vkr::test
