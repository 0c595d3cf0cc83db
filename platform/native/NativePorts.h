#pragma once
// The real files, clock and temporary folder of the system being built for,
// under one set of names.
#ifdef _WIN32
#include "win32/Win32Clock.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32TempFolder.h"

namespace vkr {
using TNativeFileSystem = win32::TWin32FileSystem;
using TNativeClock = win32::TWin32Clock;
using TNativeTempFolder = win32::TWin32TempFolder;
}  // namespace vkr
#else
#include "posix/PosixFileSystem.h"
#include "posix/SystemClock.h"
#include "posix/TempFolder.h"

namespace vkr {
using TNativeFileSystem = TPosixFileSystem;
using TNativeClock = TSystemClock;
using TNativeTempFolder = TTempFolder;
}  // namespace vkr
#endif
