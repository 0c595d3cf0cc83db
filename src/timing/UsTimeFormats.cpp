#include "timing/UsTimeFormats.h"

#include "base/Text.h"

namespace vkr {
namespace {

std::string TwelveHour(TDateTime value, bool seconds) {
  TDateParts p = DecodeDateTime(value);
  int hour = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
  const char* half = p.Hour < 12 ? "AM" : "PM";
  if (seconds) return Sprintf("%d:%02d:%02d %s", hour, p.Minute, p.Second, half);
  return Sprintf("%d:%02d %s", hour, p.Minute, half);
}

}  // namespace

std::string UsShortTime(TDateTime value) { return TwelveHour(value, false); }
std::string UsShortDate(TDateTime value) { return FormatDateTime("m/d/yyyy", value); }
std::string UsLongTime(TDateTime value) { return TwelveHour(value, true); }

}  // namespace vkr
