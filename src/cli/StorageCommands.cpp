// Script commands of the tournament file: save, save as, open.
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"

namespace vkr::cli {

void RegisterStorageCommands(TCommandTable& table) {
  table["save"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 0, 0);
    SaveTournament(h.T);
  };
  table["saveas"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 1, 1);
    SaveTournamentAs(h.T, line.Arg(1));
  };
  // File/Open with FILE chosen; the backup question takes the script's answer.
  table["open"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 1, 1);
    WriteLogLine(h.T, "Menu: File/Open");
    OpenTournamentWithBackup(h.T, line.Arg(1));
  };
}

}  // namespace vkr::cli
