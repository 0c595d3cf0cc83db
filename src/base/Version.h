#pragma once
// The program's file version, as the report headers show it.
#include <array>
#include <string>

namespace vkr {

constexpr std::array<int, 4> kProgramVersion{1, 0, 0, 44};

// The four parts joined by dots ("1.0.0.44").
std::string ProgramVersionText();

}  // namespace vkr
