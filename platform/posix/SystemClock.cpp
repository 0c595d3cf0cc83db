#include "posix/SystemClock.h"

#include <cerrno>
#include <chrono>
#include <ctime>

#include "timing/UsTimeFormats.h"

namespace vkr {
namespace {

TDateTime FromTm(const std::tm& tm, long nanos) {
  return EncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                        static_cast<int>(nanos / 1000000));
}

}  // namespace

// The current time broken down by localtime_r or gmtime_r.
static TDateTime CurrentTime(std::tm* (*breakDown)(const time_t*, std::tm*)) {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  std::tm tm{};
  breakDown(&ts.tv_sec, &tm);
  return FromTm(tm, ts.tv_nsec);
}

TDateTime TSystemClock::Now() { return CurrentTime(localtime_r); }
TDateTime TSystemClock::UtcNow() { return CurrentTime(gmtime_r); }

uint64_t TSystemClock::TickCount() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::string TSystemClock::ShortTime(TDateTime value) { return UsShortTime(value); }
std::string TSystemClock::ShortDate(TDateTime value) { return UsShortDate(value); }
std::string TSystemClock::LongTime(TDateTime value) { return UsLongTime(value); }

void TSystemClock::DelayWithMessages(uint32_t ms) {
  // No window messages exist off the host window; a plain sleep keeps the order of events.
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

}  // namespace vkr
