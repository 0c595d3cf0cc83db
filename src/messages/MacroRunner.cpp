#include "messages/MacroRunner.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "base/DateTime.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "formats/MessageFile.h"
#include "lobby/PostToLobby.h"
#include "messages/MacroControls.h"
#include "messages/MacroSections.h"
#include "messages/MacroText.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "timing/Boots.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

// The lines are read when the macro starts, so a rebuild or a save of the
// file between two lines (window messages run during waits) cannot change them.
std::vector<std::string> ReadMacroLines(TTourney& t, const std::string& name) {
  if (!IsMacroSection(name)) return {};
  TMessageFile file(*t.Ports.Files, CurrentMacroFile(t));
  file.Load();
  const std::vector<std::string>* section = file.FindSection(name);
  return section == nullptr ? std::vector<std::string>{} : MacroLinesOfSection(*section);
}

void Wait(TTourney& t, uint64_t milliseconds) {
  constexpr uint64_t kLongestWait = std::numeric_limits<uint32_t>::max();
  while (milliseconds > 0) {
    uint64_t part = std::min(milliseconds, kLongestWait);
    t.Ports.Clock->DelayWithMessages(static_cast<uint32_t>(part));
    milliseconds -= part;
  }
}

void RunLines(TTourney& t, const std::string& name, const MessageContext& context, bool stoppable) {
  for (const std::string& line : ReadMacroLines(t, name)) {
    uint64_t milliseconds = 0;
    if (ParseDelayLine(line, milliseconds)) {
      Wait(t, milliseconds);
    } else {
      PostToLobby(t, ExpandTokens(t, line, context), true);
    }
    if (stoppable && t.Macros.StopRequested) break;
  }
}

void SetRunning(TTourney& t, bool running) {
  t.Macros.StopRequested = false;
  t.Macros.Running = running;
  t.Ports.Screen->ControlsChanged();
}

// An entry that is not booted has its whole boot time left.
}  // namespace

void MacroClick(TTourney& t, const std::string& name) {
  const MessageContext context = t.Context;
  SetRunning(t, true);
  WriteLogLine(t, "Click: Macro - \"" + name + "\"");
  RunLines(t, name, context, true);
  SetRunning(t, false);
}

void PlayerMacroClick(TTourney& t, int entry, const std::string& name) {
  if (entry < 0 || entry >= t.Model.PlayerCount()) return;
  const TPlayer& p = t.Model.Player(entry);
  MessageContext context = t.Context;
  context.PlayerName = p.Name;
  context.TableNumber = 0;
  context.OpponentName.clear();
  context.Row = 0;
  const int round = p.CurrentSlot();
  const TTableRef ref = p.Tables[static_cast<size_t>(round)];
  if (ref.IsSet()) {
    const TTable& table = t.Model.Table(ref);
    const int16_t other = table.Seat[static_cast<size_t>(1 - p.Seats[static_cast<size_t>(round)])];
    context.TableNumber = table.Number;
    if (other != kNoEntry) context.OpponentName = t.Model.Player(other).Name;
    context.Row = PointsRow(t, round, ref.Bracket);
  }
  context.BootSecondsLeft = BootSecondsLeft(t, entry);
  WriteLogLine(t, "Click: Player \"" + p.Name + "\" macro - \"" + name + "\"");
  RunLines(t, name, context, false);
}

void Stop1Click(TTourney& t) { t.Macros.StopRequested = true; }

}  // namespace vkr
