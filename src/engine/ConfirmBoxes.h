#pragma once
// The check boxes of the confirmations and notifications dialog: one per
// silenceable prompt, ticked while its bit in the filter is clear.
#include <cstdint>
#include <vector>

#include "engine/Confirm.h"

namespace vkr {

struct TConfirmBox {
  TConfirmBit Bit;
  const char* Caption;
  bool IsQuestion;  // under "Tick which questions are to be asked:", else a notice
};

const std::vector<TConfirmBox>& ConfirmBoxes();
// The whole filter from the ticks of ConfirmBoxes(), in their order: a bit
// without a box (the ban question) comes out clear.
uint32_t FilterFromTicks(const std::vector<bool>& ticked);

}  // namespace vkr
