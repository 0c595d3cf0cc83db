// Script commands of the macro runner: the current macro file, running
// general and player macros, and Stop.
#include <algorithm>

#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "messages/MacroControls.h"
#include "messages/MacroRunner.h"

namespace vkr::cli {
namespace {

// Shows what the Macro menu, the seat pop-up menu and the macro toolbar hold.
void PrintControls(TScriptHost& h) {
  const TMacroState& state = h.T.Macros;
  for (const TMacroEntry& entry : state.Entries) {
    PrintLine(h.Out, "macro entry: ", entry.HotKey.empty() ? entry.Name : entry.Name + " (" + entry.HotKey + ")");
  }
  for (const std::string& name : state.PlayerEntries) PrintLine(h.Out, "player macro entry: ", name);
  for (const TMacroButton& button : state.Buttons) {
    PrintLine(h.Out, "macro button: ", button.Caption + " -> " + button.Macro);
  }
}

void MacroFile(TScriptHost& h, const TCommandLine& line) {
  if (line.Rest.empty()) throw TScriptError("missing argument");
  SetMacroFile(h.T, line.Rest);
  PrintControls(h);
}

void Macro(TScriptHost& h, const TCommandLine& line) {
  for (const TMacroEntry& entry : h.T.Macros.Entries) {
    if (SameText(entry.Name, line.Rest)) {
      const std::string name = entry.Name;
      MacroClick(h.T, name);
      return;
    }
  }
  throw TScriptError("no macro entry '" + line.Rest + "'");
}

// playermacro MACRO NAME ENTRY: the macro's name may hold blanks, an entry's name cannot.
void PlayerMacro(TScriptHost& h, const TCommandLine& line) {
  if (line.Count() < 2) throw TScriptError("expected a macro name and an entry name");
  const std::string& entryName = line.Words.back();
  const std::string macro = Trim(line.Rest.substr(0, line.Rest.size() - entryName.size()));
  const TMacroState& state = h.T.Macros;
  auto found = std::find_if(state.PlayerEntries.begin(), state.PlayerEntries.end(),
                            [&](const std::string& name) { return SameText(name, macro); });
  if (found == state.PlayerEntries.end()) throw TScriptError("no player macro entry '" + macro + "'");
  const std::string name = *found;
  const TModel& m = h.T.Model;
  for (int i = 0; i < m.PlayerCount(); ++i) {
    if (SameText(m.Player(i).Name, entryName)) {
      PlayerMacroClick(h.T, i, name);
      return;
    }
  }
  throw TScriptError("no entry named '" + entryName + "'");
}

}  // namespace

void RegisterMacroCommands(TCommandTable& table) {
  table["macrofile"] = MacroFile;
  table["macro"] = Macro;
  table["playermacro"] = PlayerMacro;
  table["stop"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 0, 0);
    Stop1Click(h.T);
  };
}

}  // namespace vkr::cli
