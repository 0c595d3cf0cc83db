#pragma once
// The find-player/table box shown once sign-ups close.
#include <string>

namespace vkr {

struct TTourney;

void SetFindText(TTourney& t, const std::string& text);

}  // namespace vkr
