#pragma once
// Questions and notices the host may silence. Each has one bit in the
// confirm/notify filter: a silenced question counts as Yes, a silenced notice
// is not shown; ticking the box sets the bit.
#include <string>

namespace vkr {

struct TTourney;

enum TConfirmBit : int {
  CfBootTimedOut = 0,
  CfCloseSignups = 1,
  CfRemovePlayer = 2,
  CfBothQuit = 3,
  CfDisqualify = 4,
  CfClearFriends = 5,
  CfForcedBye = 6,
  CfWinForBooted = 7,
  CfWinForDisqualified = 8,
  CfPostOnBye = 9,
  CfBan = 10,
  NfByeNextRound = 24,
  NfPlayerMoved = 25,
  NfFriendsNameChanged = 26,
};

bool IsSilenced(const TTourney& t, TConfirmBit bit);
bool AskFiltered(TTourney& t, TConfirmBit bit, const std::string& text);
void NotifyFiltered(TTourney& t, TConfirmBit bit, const std::string& text);

}  // namespace vkr
