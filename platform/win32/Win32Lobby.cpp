#include "win32/Win32Lobby.h"

#include "win32/WinApi.h"

namespace vkr::win32 {
namespace {

BOOL CALLBACK VisitChild(HWND window, LPARAM visit) {
  return (*reinterpret_cast<const std::function<bool(TWindowHandle)>*>(visit))(ToHandle(window)) ? TRUE : FALSE;
}

}  // namespace

TWindowHandle TWin32Lobby::FindTopLevel(const std::string& className, TWindowHandle after) {
  return ToHandle(FindWindowExA(nullptr, after != 0 ? ToHwnd(after) : nullptr, className.c_str(), nullptr));
}

std::string TWin32Lobby::WindowText(TWindowHandle window) {
  char title[256];
  const int length = GetWindowTextA(ToHwnd(window), title, sizeof title);
  return std::string(title, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string TWin32Lobby::ClassName(TWindowHandle window) {
  char name[64];
  const int length = GetClassNameA(ToHwnd(window), name, sizeof name);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

void TWin32Lobby::ForEachDescendant(TWindowHandle window, const std::function<bool(TWindowHandle)>& visit) {
  // Without a parent the walk would cover every top-level window instead.
  if (window == 0) return;
  EnumChildWindows(ToHwnd(window), VisitChild, reinterpret_cast<LPARAM>(&visit));
}

TWindowHandle TWin32Lobby::FirstChild(TWindowHandle window) {
  return window != 0 ? ToHandle(GetWindow(ToHwnd(window), GW_CHILD)) : 0;
}

int TWin32Lobby::ClientHeight(TWindowHandle window) {
  RECT client{};
  if (window == 0 || !GetClientRect(ToHwnd(window), &client)) return 0;
  return static_cast<int>(client.bottom - client.top);
}

void TWin32Lobby::SelectAllAndPaste(TWindowHandle edit) {
  if (edit == 0) return;
  // Sent, not posted: both are handled before the clipboard changes again.
  SendMessageA(ToHwnd(edit), EM_SETSEL, 0, -1);
  SendMessageA(ToHwnd(edit), WM_PASTE, 0, 0);
}

void TWin32Lobby::PostEnter(TWindowHandle edit) {
  if (edit == 0) return;
  const HWND box = ToHwnd(edit);
  PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(box, WM_CHAR, VK_RETURN, 0);
  PostMessageA(box, WM_KEYUP, VK_RETURN, 0);
}

}  // namespace vkr::win32
