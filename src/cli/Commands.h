#pragma once
// The commands of `vkr play`: each subsystem registers its own.
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Results.h"

namespace vkr::cli {

struct TScriptHost;

// A wrong argument or an impossible command; the run stops with exit code 2.
struct TScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct TCommandLine {
  std::vector<std::string> Words;  // Words[0] is the command
  std::string Rest;                // the text after the command word, trimmed
  size_t Count() const { return Words.size() - 1; }
  const std::string& Arg(size_t i) const;  // 1-based; throws when missing
};

using TCommand = std::function<void(TScriptHost&, const TCommandLine&)>;
using TCommandTable = std::map<std::string, TCommand>;

void RegisterEngineCommands(TCommandTable& table);
void RegisterCorrectionCommands(TCommandTable& table);
void RegisterFormatCommands(TCommandTable& table);
void RegisterLobbyCommands(TCommandTable& table);

// The lobby's options of `option NAME on|off`; false for another name.
bool SetLobbyOption(TScriptHost& h, const std::string& name, bool on);
void RegisterMacroCommands(TCommandTable& table);
void RegisterReportCommands(TCommandTable& table);
void RegisterStorageCommands(TCommandTable& table);
void RegisterShowCommand(TCommandTable& table);
void RegisterTimingCommands(TCommandTable& table);
void RegisterBootCommands(TCommandTable& table);
void RegisterZoneCommands(TCommandTable& table);

// The timing options of `option NAME on|off`; false for another name.
bool SetTimingOption(TScriptHost& h, const std::string& name, bool on);

// All commands of every subsystem.
TCommandTable AllCommands();

// Argument helpers that throw TScriptError with a clear reason.
bool ParseOnOff(const std::string& word);
int ParseInt(const std::string& word, int low, int high, const char* what);
void ExpectCount(const TCommandLine& line, size_t low, size_t high);
// B R T [S] from argument `first` on: bracket W, O or T, round and table row
// as shown (1-based), seat 0 or 1; a table the views do not show is refused.
TWinButton ParseTableArgs(const TTourney& t, const TCommandLine& line, size_t first, bool withSeat);
// W, O or T: a bracket the tournament's elimination type uses.
int ParseBracket(const TTourney& t, const std::string& letter);

}  // namespace vkr::cli
