#include "win32/Win32Clock.h"

#include "win32/WinApi.h"

namespace vkr::win32 {
namespace {

TDateTime FromSystemTime(const SYSTEMTIME& st) {
  return EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
}

SYSTEMTIME ToSystemTime(TDateTime value) {
  const TDateParts p = DecodeDateTime(value);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(p.Year);
  st.wMonth = static_cast<WORD>(p.Month);
  st.wDay = static_cast<WORD>(p.Day);
  st.wDayOfWeek = static_cast<WORD>(p.DayOfWeek - 1);
  st.wHour = static_cast<WORD>(p.Hour);
  st.wMinute = static_cast<WORD>(p.Minute);
  st.wSecond = static_cast<WORD>(p.Second);
  st.wMilliseconds = static_cast<WORD>(p.Millisecond);
  return st;
}

// The user's format of a time (date false) or date, in the ANSI code page.
std::string Formatted(TDateTime value, bool date, DWORD flags) {
  const SYSTEMTIME st = ToSystemTime(value);
  char text[128];
  const int length = date ? GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, nullptr, text, sizeof text)
                          : GetTimeFormatA(LOCALE_USER_DEFAULT, flags, &st, nullptr, text, sizeof text);
  // The length counts the terminating zero.
  return length > 1 ? std::string(text, static_cast<size_t>(length - 1)) : std::string();
}

}  // namespace

TDateTime TWin32Clock::Now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return FromSystemTime(st);
}

TDateTime TWin32Clock::UtcNow() {
  SYSTEMTIME st{};
  GetSystemTime(&st);
  return FromSystemTime(st);
}

uint64_t TWin32Clock::TickCount() { return GetTickCount64(); }

std::string TWin32Clock::ShortTime(TDateTime value) { return Formatted(value, false, TIME_NOSECONDS); }
std::string TWin32Clock::ShortDate(TDateTime value) { return Formatted(value, true, DATE_SHORTDATE); }
std::string TWin32Clock::LongTime(TDateTime value) { return Formatted(value, false, 0); }

void TWin32Clock::DelayWithMessages(uint32_t ms) {
  const uint64_t end = GetTickCount64() + ms;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // Leaves the quit to the message loop that called us.
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    const uint64_t now = GetTickCount64();
    if (now > end) return;
    // Sleeps until the time is up or a message arrives.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now + 1), QS_ALLINPUT);
  }
}

}  // namespace vkr::win32
