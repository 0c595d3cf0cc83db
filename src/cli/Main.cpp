#include "cli/Main.h"

#include <cstring>
#include <fstream>
#include <iostream>

#include "cli/ScriptRunner.h"

namespace vkr::cli {
namespace {

const char* const kUsage =
    "usage: vkr play SCRIPT     run host commands from SCRIPT (- for standard input)\n";

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
  std::cerr << kUsage;
  return 2;
}

}  // namespace vkr::cli
