#include "base/DateTime.h"

#include <cmath>

#include "base/Text.h"

namespace vkr {
namespace {

// Days from 1970-01-01 for a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

constexpr int64_t kEpochOffset = 25569;  // 1970-01-01 as a date-time
const char* const kMonthShort[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonthLong[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const kDayShort[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kDayLong[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms) {
  int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochOffset;
  double fraction = ((hour * 60.0 + minute) * 60.0 + second + ms / 1000.0) / kSecondsPerDay;
  return static_cast<double>(days) + fraction;
}

TDateParts DecodeDateTime(TDateTime value) {
  TDateParts p;
  if (!std::isfinite(value) || std::fabs(value) > 3.0e6) return p;
  // Whole milliseconds, rounded, so 0.9999999 of a second does not show as 59.
  auto ms = static_cast<int64_t>(std::llround(value * kSecondsPerDay * 1000.0));
  int64_t days = ms / 86400000;
  int64_t rest = ms % 86400000;
  if (rest < 0) {
    rest += 86400000;
    --days;
  }
  CivilFromDays(days - kEpochOffset, p.Year, p.Month, p.Day);
  p.Hour = static_cast<int>(rest / 3600000);
  p.Minute = static_cast<int>(rest / 60000 % 60);
  p.Second = static_cast<int>(rest / 1000 % 60);
  p.Millisecond = static_cast<int>(rest % 1000);
  int64_t wd = (days - kEpochOffset + 4) % 7;  // 1970-01-01 was a Thursday
  if (wd < 0) wd += 7;
  p.DayOfWeek = static_cast<int>(wd) + 1;
  return p;
}

std::string FormatDateTime(const std::string& pattern, TDateTime value) {
  TDateParts p = DecodeDateTime(value);
  std::string out;
  bool lastWasHour = false;
  size_t i = 0;
  while (i < pattern.size()) {
    char c = static_cast<char>(pattern[i] | 0x20);
    size_t run = 1;
    while (i + run < pattern.size() && static_cast<char>(pattern[i + run] | 0x20) == c &&
           (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's'))
      ++run;
    switch (c) {
      case 'd':
        if (run == 1) out += std::to_string(p.Day);
        else if (run == 2) out += Sprintf("%02d", p.Day);
        else if (run == 3) out += kDayShort[p.DayOfWeek - 1];
        else out += kDayLong[p.DayOfWeek - 1];
        lastWasHour = false;
        break;
      case 'm':
        if (lastWasHour && run <= 2) {
          out += run == 1 ? std::to_string(p.Minute) : Sprintf("%02d", p.Minute);
        } else if (run == 1) out += std::to_string(p.Month);
        else if (run == 2) out += Sprintf("%02d", p.Month);
        else if (run == 3) out += kMonthShort[p.Month - 1];
        else out += kMonthLong[p.Month - 1];
        lastWasHour = false;
        break;
      case 'y':
        out += run <= 2 ? Sprintf("%02d", p.Year % 100) : Sprintf("%04d", p.Year);
        lastWasHour = false;
        break;
      case 'h':
        out += run == 1 ? std::to_string(p.Hour) : Sprintf("%02d", p.Hour);
        lastWasHour = true;
        break;
      case 'n':
        out += run == 1 ? std::to_string(p.Minute) : Sprintf("%02d", p.Minute);
        break;
      case 's':
        out += run == 1 ? std::to_string(p.Second) : Sprintf("%02d", p.Second);
        break;
      default:
        out.append(pattern, i, run);
        break;
    }
    i += run;
  }
  return out;
}

int64_t SecondsBetween(TDateTime later, TDateTime earlier) {
  double s = (later - earlier) * kSecondsPerDay;
  if (!std::isfinite(s)) return 0;
  return std::llround(s);
}

}  // namespace vkr
