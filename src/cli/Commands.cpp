#include "cli/Commands.h"

#include "base/Text.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"

namespace vkr::cli {

const std::string& TCommandLine::Arg(size_t i) const {
  if (i >= Words.size()) throw TScriptError("missing argument");
  return Words[i];
}

TCommandTable AllCommands() {
  TCommandTable table;
  // Each subsystem registers into a table of its own, so that one command
  // name taken twice is caught rather than silently replaced.
  for (auto add : {RegisterEngineCommands, RegisterCorrectionCommands, RegisterFormatCommands, RegisterLobbyCommands,
                   RegisterMacroCommands, RegisterReportCommands, RegisterStorageCommands, RegisterShowCommand,
                   RegisterTimingCommands, RegisterBootCommands, RegisterZoneCommands}) {
    TCommandTable part;
    add(part);
    for (auto& [name, command] : part) {
      if (!table.emplace(name, std::move(command)).second) throw std::logic_error("command registered twice: " + name);
    }
  }
  return table;
}

bool ParseOnOff(const std::string& word) {
  if (word == "on") return true;
  if (word == "off") return false;
  throw TScriptError("expected on or off, not '" + word + "'");
}

int ParseInt(const std::string& word, int low, int high, const char* what) {
  int32_t value = 0;
  if (!TryParseInt(word, value) || value < low || value > high) {
    throw TScriptError(Sprintf("%s must be a whole number from %d to %d, not '%s'", what, low, high, word.c_str()));
  }
  return value;
}

TWinButton ParseTableArgs(const TTourney& t, const TCommandLine& line, size_t first, bool withSeat) {
  const std::string& b = line.Arg(first);
  const int bracket = ParseBracket(t, b);
  int round = ParseInt(line.Arg(first + 1), 1, kRounds, "round") - 1;
  int row = ParseInt(line.Arg(first + 2), 1, kTablesPerRound, "table") - 1;
  int seat = withSeat ? ParseInt(line.Arg(first + 3), 0, 1, "seat") : 0;
  if (round < bracket || round > LastTabRound(t, bracket) || row >= t.Model.Round(bracket, round).TableCount) {
    throw TScriptError(Sprintf("no table %s %d %d", b.c_str(), round + 1, row + 1));
  }
  return TWinButton{bracket, round, row, seat};
}

void ExpectCount(const TCommandLine& line, size_t low, size_t high) {
  if (line.Count() < low || line.Count() > high) {
    throw TScriptError(Sprintf("'%s' takes %zu to %zu arguments", line.Words[0].c_str(), low, high));
  }
}

int ParseBracket(const TTourney& t, const std::string& letter) {
  int bracket = letter == "W" ? Winners : letter == "O" ? OneLoss : letter == "T" ? TwoLoss : -1;
  if (bracket < 0) throw TScriptError("bracket must be W, O or T");
  if (bracket > t.ElimFormat) throw TScriptError("bracket " + letter + " is not used in this elimination type");
  return bracket;
}

}  // namespace vkr::cli
