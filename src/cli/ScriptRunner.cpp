#include "cli/ScriptRunner.h"

#include <sstream>
#include <string>

#include "base/Cp1252.h"
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "formats/FormatMenu.h"

namespace vkr::cli {
namespace {

constexpr size_t kMaxLine = 64 * 1024;

TCommandLine Parse(const std::string& raw) {
  std::string line = raw.substr(0, raw.find('#'));
  TCommandLine parsed;
  std::istringstream words(line);
  std::string word;
  while (words >> word) parsed.Words.push_back(word);
  if (!parsed.Words.empty()) {
    size_t at = line.find(parsed.Words[0]) + parsed.Words[0].size();
    parsed.Rest = Trim(line.substr(at));
  }
  return parsed;
}

}  // namespace

int RunScript(std::istream& script, std::ostream& out, std::ostream& err) {
  const TCommandTable commands = AllCommands();
  TScriptHost host(out);
  // As the host window does at start: the Format menu from the store, and
  // the built-in format applied.
  RebuildFormatMenu(host.T, "Default");
  std::string raw;
  int lineNumber = 0;
  while (std::getline(script, raw)) {
    ++lineNumber;
    try {
      if (raw.size() > kMaxLine) throw TScriptError("line too long");
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      TCommandLine line = Parse(Utf8ToCp1252(raw));
      if (line.Words.empty()) continue;
      auto it = commands.find(line.Words[0]);
      if (it == commands.end()) throw TScriptError("unknown command '" + line.Words[0] + "'");
      it->second(host, line);
      out.flush();
    } catch (const TScriptError& e) {
      out.flush();
      err << "script error: " << lineNumber << ": " << Cp1252ToUtf8(e.what()) << '\n';
      return 2;
    }
  }
  // A read error ends the loop like the end of the script would; a run cut
  // short must not pass for a whole one.
  if (script.bad()) {
    err << "script error: " << lineNumber + 1 << ": the script cannot be read\n";
    return 2;
  }
  return 0;
}

}  // namespace vkr::cli
