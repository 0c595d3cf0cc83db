#pragma once
// The machine's clock for the host window: waits keep the window's events
// flowing, so timer ticks and commands can run in the middle of a post.
#include "posix/SystemClock.h"

namespace vkr {

class TQtClock : public TSystemClock {
 public:
  void DelayWithMessages(uint32_t ms) override;
};

}  // namespace vkr
