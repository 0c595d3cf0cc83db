#pragma once
// The clock: local and universal date-times, a millisecond tick count, and the
// host system's short and long time and date formats.
#include <cstdint>
#include <string>

#include "base/DateTime.h"

namespace vkr {

class TClockPort {
 public:
  virtual ~TClockPort() = default;
  virtual TDateTime Now() = 0;
  virtual TDateTime UtcNow() = 0;
  virtual uint64_t TickCount() = 0;
  virtual std::string ShortTime(TDateTime value) = 0;
  virtual std::string ShortDate(TDateTime value) = 0;
  virtual std::string LongTime(TDateTime value) = 0;
  // Waits at least ms milliseconds while the program's own window messages
  // keep being processed (so commands and timer ticks may run meanwhile).
  virtual void DelayWithMessages(uint32_t ms) = 0;
};

}  // namespace vkr
