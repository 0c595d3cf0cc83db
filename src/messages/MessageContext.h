#pragma once
// The twenty message keys of a format and the record of token values.
#include <array>
#include <cstdint>
#include <string>

namespace vkr {

constexpr int kPointsRows = 15;
using TPointsList = std::array<int32_t, kPointsRows>;

enum TMessageKey : int {
  MsgWelcome, MsgFormat, MsgSignup, MsgSignupNoPartner, MsgNextAssign1, MsgNextAssign2,
  MsgNextAssignLoss1, MsgNextAssignLoss2, MsgNextAssignFinals, MsgNextAssignFinals2, MsgThankYou,
  MsgBye, MsgBoot, MsgBootReturned, MsgBootTimedOut, MsgAllStart, MsgClosed, MsgTimeWarning,
  Msg3rdPlace, MsgAnnounceWinners,
  kMessageCount
};

// The key texts in the order of the array ("Welcome", "Format", ...).
extern const std::array<const char*, kMessageCount> kMessageKeys;
using TMessages = std::array<std::string, kMessageCount>;

struct MessageContext {
  std::string PlayerName;    // %p
  std::string OpponentName;  // %o
  int32_t Row = 0;           // points row 0..14 (%r %m %d)
  int32_t TableNumber = 0;   // %t
  std::string StartTimeText; // %s
  std::string RulesTimeText; // %u
  std::string HostName;      // %h
  std::string CoHostName;    // %k
  int32_t BootSecondsLeft = 0;  // %b
  int32_t MinutesLeft = 0;      // %x
  TPointsList MatchPoints{};    // %m %f
  TPointsList TimeLimits{};     // %d
};

}  // namespace vkr
