#include "cli/Main.h"

#include <cstring>
#include <fstream>
#include <iostream>

#include "cli/FileInspect.h"
#include "cli/ScriptRunner.h"

namespace vkr::cli {
namespace {

const char* const kUsage =
    "usage: vkr play SCRIPT     run host commands from SCRIPT (- for standard input)\n"
    "       vkr check FILE.vkr  load a tournament file; exit 1 with the error when it does not load\n"
    "       vkr dump FILE.vkr   print a tournament file's content as JSON\n";

int Play(const char* path) {
  if (std::strcmp(path, "-") == 0) return RunScript(std::cin, std::cout, std::cerr);
  std::ifstream script(path, std::ios::binary);
  if (!script) {
    std::cerr << "vkr: cannot open " << path << '\n';
    return 1;
  }
  return RunScript(script, std::cout, std::cerr);
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "play") == 0) return Play(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "check") == 0) return CheckTournamentFile(argv[2], std::cerr);
  if (argc == 3 && std::strcmp(argv[1], "dump") == 0) return DumpTournamentFile(argv[2], std::cout, std::cerr);
  std::cerr << kUsage;
  return 2;
}

}  // namespace vkr::cli
