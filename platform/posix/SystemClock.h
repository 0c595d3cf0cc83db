#pragma once
// The machine's clock and an English (United States) short time and date.
#include "timing/ClockPort.h"

namespace vkr {

class TSystemClock : public TClockPort {
 public:
  TDateTime Now() override;
  TDateTime UtcNow() override;
  uint64_t TickCount() override;
  std::string ShortTime(TDateTime value) override;
  std::string ShortDate(TDateTime value) override;
  std::string LongTime(TDateTime value) override;
  void DelayWithMessages(uint32_t ms) override;
};

}  // namespace vkr
