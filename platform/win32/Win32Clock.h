#pragma once
// The Windows clock: local and universal time, GetTickCount64, and the user's
// own short and long time and date formats.
#include "timing/ClockPort.h"

namespace vkr::win32 {

class TWin32Clock : public TClockPort {
 public:
  TDateTime Now() override;
  TDateTime UtcNow() override;
  uint64_t TickCount() override;
  std::string ShortTime(TDateTime value) override;
  std::string ShortDate(TDateTime value) override;
  std::string LongTime(TDateTime value) override;
  // Dispatches the thread's window messages while it waits.
  void DelayWithMessages(uint32_t ms) override;
};

}  // namespace vkr::win32
