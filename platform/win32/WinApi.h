#pragma once
// The Windows API for the Win32 adapters, and the core's 32-bit window
// handles. Window handles have 32 significant bits even in 64-bit processes
// and widen by sign extension, as HandleToLong and LongToHandle do.
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN 1
#endif
#include <windows.h>
// The file system port's method names, not these macros of the A and W
// functions, which are called by their full names.
#undef CopyFile
#undef DeleteFile

#include <cstdint>

#include "lobby/LobbyState.h"

namespace vkr::win32 {

inline TWindowHandle ToHandle(HWND window) {
  return static_cast<TWindowHandle>(reinterpret_cast<uintptr_t>(window));
}

inline HWND ToHwnd(TWindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(window)));
}

}  // namespace vkr::win32
