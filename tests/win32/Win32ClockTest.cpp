// The Windows clock: the user's time and date texts, and the wait that keeps
// window messages flowing.
#include <gtest/gtest.h>

#include "win32/Win32Clock.h"
#include "win32/WinApi.h"

namespace vkr::test {
namespace {

TEST(Win32Clock, TimeAndDateTextsShowTheGivenMoment) {
  win32::TWin32Clock clock;
  const TDateTime moment = EncodeDateTime(2026, 12, 5, 14, 7, 39);
  const std::string shortTime = clock.ShortTime(moment), longTime = clock.LongTime(moment);
  EXPECT_NE(shortTime.find("07"), std::string::npos) << shortTime;
  EXPECT_EQ(shortTime.find("39"), std::string::npos) << "no seconds: " << shortTime;
  EXPECT_NE(longTime.find("07:39"), std::string::npos) << longTime;
  const std::string date = clock.ShortDate(moment);
  EXPECT_NE(date.find("12"), std::string::npos) << date;
  EXPECT_NE(date.find('5'), std::string::npos) << date;
}

// A window procedure that counts the messages it is given.
int Handled = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_APP) ++Handled;
  return DefWindowProcW(window, message, w, l);
}

TEST(Win32Clock, TheWaitDispatchesMessagesAndLeavesAQuitToTheCaller) {
  WNDCLASSW kind{};
  kind.lpfnWndProc = CountingProc;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.lpszClassName = L"VkrClockTestWindow";
  RegisterClassW(&kind);
  HWND window = CreateWindowW(L"VkrClockTestWindow", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                              kind.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  win32::TWin32Clock clock;
  PostMessageW(window, WM_APP, 0, 0);
  PostMessageW(window, WM_APP, 0, 0);
  const uint64_t before = clock.TickCount();
  clock.DelayWithMessages(30);
  EXPECT_GE(clock.TickCount() - before, 30u);
  EXPECT_EQ(Handled, 2);

  PostQuitMessage(7);
  clock.DelayWithMessages(1000);
  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
  DestroyWindow(window);
}

}  // namespace
}  // namespace vkr::test
