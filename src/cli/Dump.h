#pragma once
// The whole tournament model as JSON, for scripts and tests to compare.
#include <string>

namespace vkr {
struct TTourney;
}

namespace vkr::cli {

std::string DumpJson(const TTourney& t);

}  // namespace vkr::cli
