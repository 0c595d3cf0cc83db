#include "cli/Main.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <system_error>

#include "cli/FileInspect.h"
#include "cli/ScriptRunner.h"
#include "cli/StreamPath.h"
#include "base/Paths.h"

namespace vkr::cli {
namespace {

const char* const kUsage =
    "usage: vkr play SCRIPT     run host commands from SCRIPT (- for standard input)\n"
    "       vkr check FILE.vkr  load a tournament file; exit 1 with the error when it does not load\n"
    "       vkr dump FILE.vkr   print a tournament file's content as JSON\n"
    "       vkr report text|csv|points FILE.vkr [-o OUT]\n"
    "                           write a report of a tournament file (default OUT: FILE with .txt or .csv)\n";

int Play(const char* path) {
  if (std::strcmp(path, "-") == 0) return RunScript(std::cin, std::cout, std::cerr);
  std::ifstream script(StreamPath(path), std::ios::binary);
  if (!script) {
    std::cerr << "vkr: cannot open " << path << '\n';
    return 1;
  }
  return RunScript(script, std::cout, std::cerr);
}

// A run that cannot even set up its host (no temporary folder) stops cleanly.
template <typename Run>
int Checked(Run run) {
  try {
    return run();
  } catch (const std::system_error& e) {
    std::cerr << "vkr: " << e.what() << '\n';
    return 1;
  }
}

int Report(int argc, char** argv) {
  if (argc != 4 && !(argc == 6 && std::strcmp(argv[4], "-o") == 0)) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string kind = argv[2], path = argv[3];
  const std::string out = argc == 6 ? argv[5] : ChangeFileExt(path, kind == "csv" ? ".csv" : ".txt");
  int code = Checked([&] { return ReportTournamentFile(kind, path, out, std::cerr); });
  if (code == 2) std::cerr << kUsage;
  return code;
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "report") == 0) return Report(argc, argv);
  if (argc != 3) {
    std::cerr << kUsage;
    return 2;
  }
  const char* command = argv[1];
  const char* path = argv[2];
  if (std::strcmp(command, "play") == 0) return Checked([&] { return Play(path); });
  if (std::strcmp(command, "check") == 0) return Checked([&] { return CheckTournamentFile(path, std::cerr); });
  if (std::strcmp(command, "dump") == 0) {
    return Checked([&] { return DumpTournamentFile(path, std::cout, std::cerr); });
  }
  std::cerr << kUsage;
  return 2;
}

}  // namespace vkr::cli
