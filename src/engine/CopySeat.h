#pragma once
// The Copy button of a seat: starts a full table's clock if it has not
// started, then posts the entry's assignment as the host asked for it.
namespace vkr {

struct TTourney;

void CopyClick(TTourney& t, int bracket, int round, int tableIndex, int seat);

}  // namespace vkr
