#include "cli/Main.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <system_error>

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

// A run that cannot even set up its host (no temporary folder) stops cleanly.
int PlayChecked(const char* path) {
  try {
    return Play(path);
  } catch (const std::system_error& e) {
    std::cerr << "vkr: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "play") == 0) return PlayChecked(argv[2]);
  std::cerr << kUsage;
  return 2;
}

}  // namespace vkr::cli
