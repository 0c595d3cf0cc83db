#include "base/Version.h"

#include "base/Text.h"

namespace vkr {

std::string ProgramVersionText() {
  return Sprintf("%d.%d.%d.%d", kProgramVersion[0], kProgramVersion[1], kProgramVersion[2], kProgramVersion[3]);
}

}  // namespace vkr
