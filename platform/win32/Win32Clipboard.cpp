#include "win32/Win32Clipboard.h"

#include <cstring>

#include "win32/WinApi.h"

namespace vkr::win32 {
namespace {

// Copies bytes (with their terminating zero) into movable global memory and
// hands it to the clipboard; a form whose memory cannot be had is left out.
void PutForm(UINT format, const void* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) return;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory);
  // On success the clipboard owns the memory.
  if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
}

}  // namespace

bool TWin32Clipboard::SetText(const std::string& ansi, const std::u16string& wide) {
  if (!OpenClipboard(ToHwnd(FOwner))) return false;
  EmptyClipboard();
  PutForm(CF_TEXT, ansi.c_str(), ansi.size() + 1);
  PutForm(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
  CloseClipboard();
  return true;
}

}  // namespace vkr::win32
