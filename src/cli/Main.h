#pragma once
// The `vkr` command line: subcommands, their help, and exit codes (0 done,
// 1 a file that does not load or cannot be written, 2 a wrong command line,
// an unreadable script or a wrong script line).
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace vkr::cli {

struct TConsole {
  std::istream& In;
  std::ostream& Out;
  std::ostream& Err;
  // Standard output is a terminal: messages of a script run break their
  // lines for reading instead of keeping one line each.
  bool OutIsTerminal = false;
};

// args are the arguments after the program name.
int Main(const std::vector<std::string>& args, TConsole& io);
int Main(int argc, char** argv);

}  // namespace vkr::cli
