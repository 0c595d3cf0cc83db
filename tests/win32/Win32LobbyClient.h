#pragma once
// A stand-in for the lobby client made of real windows: a top-level window of
// one of the two lobby classes, the panes and chat control the chat box is
// searched through, a tall chat history and the one-line chat box, both
// RichEdit20W. Enter in the chat box sends its text, if any, as the client
// does.
#include <cwchar>
#include <string>
#include <vector>

#include "base/Text.h"
#include "win32/WinApi.h"

namespace vkr::test {

class TWin32LobbyClient {
 public:
  // className: ZoneLobbyClientWnd or ZoneLobbyWindow.
  TWin32LobbyClient(const wchar_t* className, const wchar_t* title) {
    RegisterClasses();
    FLobby = Make(className, nullptr, 600);
    SetWindowTextW(FLobby, title);
    // Where the chat lives: the first child of the client window, or, in a
    // ZoneLobbyWindow, a chat control inside the ActiveX host's first child.
    HWND chatParent = nullptr;
    if (std::wcscmp(className, L"ZoneLobbyWindow") == 0) {
      HWND toolbar = Make(L"ZonePane", FLobby, 40);
      Make(L"RichEdit20W", toolbar, 30);  // a box of the right size outside the chat control
      HWND content = Make(L"ZonePane", Make(L"AtlAxWin", FLobby, 500), 500);
      Make(L"ZonePane", content, 20);  // a pane whose first child is no chat control
      chatParent = Make(L"ChatControl", Make(L"ZonePane", content, 400), 400);
    } else {
      chatParent = Make(L"ZonePane", FLobby, 500);
    }
    Make(L"RichEdit20W", chatParent, 300, ES_MULTILINE | ES_READONLY);  // the history, too tall for the chat box
    FChatBox = Make(L"RichEdit20W", chatParent, 30);
    SetWindowLongPtrW(FChatBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FRichEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(FChatBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWin32LobbyClient::ChatBoxProc)));
  }
  ~TWin32LobbyClient() {
    if (!Closed()) DestroyWindow(FLobby);
  }
  TWin32LobbyClient(const TWin32LobbyClient&) = delete;
  TWin32LobbyClient& operator=(const TWin32LobbyClient&) = delete;

  HWND Lobby() const { return FLobby; }
  HWND ChatBox() const { return FChatBox; }
  // The lines sent with Enter, as they stood in the chat box.
  const std::vector<std::wstring>& Sent() const { return FSent; }
  std::wstring BoxText() const { return TextOf(FChatBox); }
  // The key messages the chat box received, e.g. "down 13", "char 13", "up 13".
  const std::vector<std::string>& Keys() const { return FKeys; }
  // The window closes itself when a line is sent, as a lobby the host leaves.
  bool CloseOnSend = false;
  bool Closed() const { return !IsWindow(FLobby); }

 private:
  // The window classes of the client: the two lobby kinds, its panes, the
  // ActiveX host and the chat control, all plain windows here.
  static void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    LoadLibraryW(L"riched20.dll");
    for (const wchar_t* name : {L"ZoneLobbyClientWnd", L"ZoneLobbyWindow", L"ZonePane", L"AtlAxWin", L"ChatControl"}) {
      WNDCLASSW kind{};
      kind.lpfnWndProc = DefWindowProcW;
      kind.hInstance = GetModuleHandleW(nullptr);
      kind.lpszClassName = name;
      RegisterClassW(&kind);
    }
  }
  static HWND Make(const wchar_t* className, HWND parent, int height, DWORD style = 0) {
    const DWORD kind = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
    return CreateWindowExW(0, className, L"", kind | style, 0, 0, 400, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  static std::wstring TextOf(HWND window) {
    wchar_t text[4096];
    const int length = GetWindowTextW(window, text, 4096);
    return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
  }
  static LRESULT CALLBACK ChatBoxProc(HWND box, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<TWin32LobbyClient*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_KEYUP) {
      const char* kind = message == WM_KEYDOWN ? "down" : message == WM_CHAR ? "char" : "up";
      self->FKeys.push_back(Sprintf("%s %d", kind, static_cast<int>(w)));
      if (w == VK_RETURN) {
        if (message == WM_CHAR) self->Send();
        return 0;
      }
    }
    return CallWindowProcW(self->FRichEditProc, box, message, w, l);
  }
  void Send() {
    const std::wstring line = BoxText();
    // Enter in an empty chat box sends nothing.
    if (line.empty()) return;
    FSent.push_back(line);
    SetWindowTextW(FChatBox, L"");
    if (CloseOnSend) DestroyWindow(FLobby);
  }

  HWND FLobby = nullptr, FChatBox = nullptr;
  WNDPROC FRichEditProc = nullptr;
  std::vector<std::wstring> FSent;
  std::vector<std::string> FKeys;
};

// The clipboard's text in one format; "<none>" when it holds none or cannot
// be opened.
template <typename Char>
std::basic_string<Char> ClipboardText(UINT format) {
  const Char none[] = {'<', 'n', 'o', 'n', 'e', '>', 0};
  std::basic_string<Char> text = none;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(format)) {
    text = static_cast<const Char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
inline std::string ClipboardAnsi() { return ClipboardText<char>(CF_TEXT); }
inline std::wstring ClipboardWide() { return ClipboardText<wchar_t>(CF_UNICODETEXT); }

}  // namespace vkr::test
