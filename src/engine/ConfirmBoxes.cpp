#include "engine/ConfirmBoxes.h"

namespace vkr {

const std::vector<TConfirmBox>& ConfirmBoxes() {
  static const std::vector<TConfirmBox> boxes = {
      {CfBootTimedOut, "Booted player has timed, post in lobby?", true},
      {CfCloseSignups, "Close signups confirmation", true},
      {CfRemovePlayer, "Remove player confirmation", true},
      {CfBothQuit, "Both players have quit confirmation", true},
      {CfDisqualify, "Disqualification confirmation", true},
      {CfClearFriends, "Clear ZoneFriends list:", true},
      {CfForcedBye, "Forced bye confirmation", true},
      {CfWinForBooted, "Assign win to booted player confirmation", true},
      {CfWinForDisqualified, "Assign win to DQed player confirmation", true},
      {CfPostOnBye, "Post assign for player on a bye confirmation", true},
      {NfByeNextRound, "Player has a bye in the next round", false},
      {NfPlayerMoved, "Player has been automatically moved", false},
      {NfFriendsNameChanged, "ZF name has changed, Rapid-Assign disabled", false},
  };
  return boxes;
}

uint32_t FilterFromTicks(const std::vector<bool>& ticked) {
  uint32_t mask = 0;
  const auto& boxes = ConfirmBoxes();
  for (size_t i = 0; i < boxes.size() && i < ticked.size(); ++i) {
    if (!ticked[i]) mask |= 1U << boxes[i].Bit;
  }
  return mask;
}

}  // namespace vkr
