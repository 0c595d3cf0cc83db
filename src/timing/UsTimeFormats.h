#pragma once
// English (United States) time and date texts: "h:mm AM", "M/D/YYYY",
// "h:mm:ss AM". The clock of a scripted run and of POSIX systems shows these.
#include <string>

#include "base/DateTime.h"

namespace vkr {

std::string UsShortTime(TDateTime value);
std::string UsShortDate(TDateTime value);
std::string UsLongTime(TDateTime value);

}  // namespace vkr
