#include "Win32LobbyClient.h"

#include <cstring>

#include "base/Text.h"

namespace vkr::test {
namespace {

constexpr int kWidth = 400;

// The window classes of the client: the two lobby kinds, its panes, the
// ActiveX host and the chat control, all plain windows here.
void RegisterClasses() {
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

HWND Make(const wchar_t* className, HWND parent, int height, DWORD style = 0) {
  return CreateWindowExW(0, className, L"", (parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW) | style,
                         0, 0, kWidth, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring TextOf(HWND window) {
  wchar_t text[4096];
  const int length = GetWindowTextW(window, text, 4096);
  return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

TWin32LobbyClient::TWin32LobbyClient(const wchar_t* className, const wchar_t* title, int chatBoxHeight) {
  RegisterClasses();
  FLobby = Make(className, nullptr, 600);
  SetWindowTextW(FLobby, title);
  // Where the chat lives: the first child of the client window, or, in a
  // ZoneLobbyWindow, a chat control inside the ActiveX host's first child.
  HWND chatParent = nullptr;
  if (std::wcscmp(className, L"ZoneLobbyWindow") == 0) {
    HWND toolbar = Make(L"ZonePane", FLobby, 40);
    Make(L"RichEdit20W", toolbar, 30);  // a box of the right size outside the chat control
    HWND host = Make(L"AtlAxWin", FLobby, 500);
    HWND content = Make(L"ZonePane", host, 500);
    Make(L"ZonePane", content, 20);  // a pane whose first child is no chat control
    HWND holder = Make(L"ZonePane", content, 400);
    chatParent = Make(L"ChatControl", holder, 400);
  } else {
    chatParent = Make(L"ZonePane", FLobby, 500);
  }
  FHistory = Make(L"RichEdit20W", chatParent, 300, ES_MULTILINE | ES_READONLY);
  FChatBox = Make(L"RichEdit20W", chatParent, chatBoxHeight);
  SetWindowLongPtrW(FChatBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  FRichEditProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FChatBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWin32LobbyClient::ChatBoxProc)));
}

TWin32LobbyClient::~TWin32LobbyClient() {
  if (!Closed()) DestroyWindow(FLobby);
}

LRESULT CALLBACK TWin32LobbyClient::ChatBoxProc(HWND box, UINT message, WPARAM w, LPARAM l) {
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

void TWin32LobbyClient::Send() {
  const std::wstring line = TextOf(FChatBox);
  // Enter in an empty chat box sends nothing.
  if (line.empty()) return;
  FSent.push_back(line);
  SetWindowTextW(FHistory, (History() + line + L"\r").c_str());
  SetWindowTextW(FChatBox, L"");
  if (CloseOnSend) DestroyWindow(FLobby);
}

std::wstring TWin32LobbyClient::History() const { return TextOf(FHistory); }
std::wstring TWin32LobbyClient::BoxText() const { return TextOf(FChatBox); }

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

std::string ClipboardAnsi() { return ClipboardText<char>(CF_TEXT); }
std::wstring ClipboardWide() { return ClipboardText<wchar_t>(CF_UNICODETEXT); }

}  // namespace vkr::test
