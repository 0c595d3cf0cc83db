#pragma once
// A test host whose window system is a simulated lobby client pasting from
// the fake clipboard.
#include "fakes/FakePorts.h"
#include "sim/SimLobby.h"

namespace vkr::test {

struct TLobbyTestHost : TTestHost {
  TSimLobby Sim{[this] { return Clipboard.Ansi; }};
  TLobbyTestHost() { T.Ports.Windows = &Sim; }
};

}  // namespace vkr::test
