// Script commands of the tournament engine: sign-up, results, undo, options.
#include <cstdio>
#include <fstream>

#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/Dump.h"
#include "cli/ScriptHost.h"
#include "cli/StreamPath.h"
#include "engine/NewTourney.h"
#include "engine/Results.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "engine/Undo.h"
#include "messages/Actions.h"
#include "storage/ActionLog.h"

namespace vkr::cli {
namespace {

void New(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 1, 3);
  TTourney& t = h.T;
  TNewTourneyChoice choice;
  choice.FileName = line.Arg(1);
  choice.TeamMode = t.TeamMode;
  choice.CapNames = t.CapNames;
  choice.ShowPointsAtEnd = t.Options.ShowPointsAtEnd;
  choice.Host = HostDetailsOf(t);
  for (size_t i = 2; i <= line.Count(); ++i) {
    const std::string& w = line.Arg(i);
    if (w == "elim=single") choice.ElimFormat = ElimSingle;
    else if (w == "elim=double") choice.ElimFormat = ElimDouble;
    else if (w == "elim=triple") choice.ElimFormat = ElimTriple;
    else if (StartsWith(w, "teams=")) choice.TeamMode = ParseOnOff(w.substr(6));
    else throw TScriptError("unknown option '" + w + "'");
  }
  StartNewTourney(t, choice);
}

void Clock(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 1, 1);
  int y = 0, mo = 0, d = 0, hh = 0, mi = 0, s = 0;
  char tail = 0;
  if (std::sscanf(line.Arg(1).c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &hh, &mi, &s, &tail) != 6 ||
      y < 1900 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || hh > 23 || mi > 59 || s > 59 || hh < 0 ||
      mi < 0 || s < 0) {
    throw TScriptError("expected YYYY-MM-DDTHH:MM:SS");
  }
  h.Clock.Set(EncodeDateTime(y, mo, d, hh, mi, s));
}

void Wait(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 1, 1);
  double seconds = -1;
  char tail = 0;
  if (std::sscanf(line.Arg(1).c_str(), "%lf%c", &seconds, &tail) != 1 || !(seconds >= 0) || seconds > 1e8) {
    throw TScriptError("expected a number of seconds");
  }
  h.Clock.Wait(seconds, [&h] { h.TimerTick(); });
}

void Option(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 2, 2);
  TTourney& t = h.T;
  const std::string& name = line.Arg(1);
  const bool on = ParseOnOff(line.Arg(2));
  const char* word = on ? "On" : "Off";
  if (name == "one-per-table") {
    if (!t.View.SignupControlsEnabled) throw TScriptError("the one-per-table box is disabled once sign-ups close");
    t.OnePlayerPerTable = on;
    WriteLogLine(t, std::string("Click: One player/table = ") + word);
  } else if (name == "all-byes-round-2") {
    if (!t.View.AssignByesItemEnabled) throw TScriptError("the round-2 byes item is disabled once sign-ups close");
    t.AllByesInRound2 = on;
    WriteLogLine(t, std::string("Menu: Assign byes in round 2 = ") + word);
  } else if (name == "random-byes") {
    t.RandomlyAssignByes = on;
    WriteLogLine(t, std::string("Menu: Random byes in round 2 = ") + word);
  } else if (name == "cap-names") {
    t.CapNames = on;
  } else if (name == "reset-boots") {
    t.Options.ResetBootsOnAssign = on;
  } else if (!SetLobbyOption(h, name, on) && !SetTimingOption(h, name, on)) {
    throw TScriptError("unknown option '" + name + "'");
  }
}

TWinButton Button(const TTourney& t, const TCommandLine& line) {
  ExpectCount(line, 4, 4);
  return ParseTableArgs(t, line, 1, true);
}

void Dump(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 1);
  std::string json = DumpJson(h.T);
  if (line.Count() == 0) {
    h.Out << json;
    return;
  }
  std::ofstream file(StreamPath(line.Arg(1)), std::ios::binary);
  file << json;
  if (!file) throw TScriptError("cannot write " + line.Arg(1));
}

template <void (*Action)(TTourney&)>
TCommand Simple() {
  return [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 0, 0);
    Action(h.T);
  };
}

}  // namespace

void RegisterEngineCommands(TCommandTable& table) {
  table["new"] = New;
  table["answer"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 1, 1);
    if (line.Arg(1) != "yes" && line.Arg(1) != "no") throw TScriptError("expected yes or no");
    h.Screen.Answer = line.Arg(1) == "yes";
  };
  table["clock"] = Clock;
  table["wait"] = Wait;
  table["seed"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 1, 1);
    unsigned long long seed = 0;
    char tail = 0;
    if (std::sscanf(line.Arg(1).c_str(), "%llu%c", &seed, &tail) != 1) throw TScriptError("expected a number");
    h.T.Random.Seed(seed);
  };
  table["option"] = Option;
  table["add"] = [](TScriptHost& h, const TCommandLine& line) {
    if (h.T.SignupsClosed) throw TScriptError("the add-player box is disabled once sign-ups close");
    AddButtonClick(h.T, line.Rest);
  };
  table["close"] = Simple<CloseSignups>();
  table["allstart"] = Simple<AllStartActionClick>();
  table["welcome"] = Simple<WelcomeActionClick>();
  table["formatmsg"] = Simple<FormatActionClick>();
  table["winners"] = Simple<WinnersActionClick>();
  table["undo"] = Simple<UndoClick>();
  table["redo"] = Simple<RedoClick>();
  table["win"] = [](TScriptHost& h, const TCommandLine& line) { WinButtonClick(h.T, Button(h.T, line), true); };
  table["release"] = [](TScriptHost& h, const TCommandLine& line) { WinButtonClick(h.T, Button(h.T, line), false); };
  table["silentwin"] = [](TScriptHost& h, const TCommandLine& line) { AssignWinSilently(h.T, Button(h.T, line)); };
  table["dump"] = Dump;
}

}  // namespace vkr::cli
