#include "cli/Main.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <system_error>

#include "base/Paths.h"
#include "base/Version.h"
#include "cli/Commands.h"
#include "cli/FileInspect.h"
#include "cli/PictureCommand.h"
#include "cli/ScriptHost.h"
#include "cli/ScriptRunner.h"
#include "cli/StreamPath.h"

namespace vkr::cli {
namespace {

// A wrong command line: its reason, then the subcommand's usage, exit code 2.
struct TUsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A subcommand's arguments: its operands, and -o OUT where it takes one.
struct TArguments {
  std::vector<std::string> Operands;
  std::string Output;
  bool HasOutput = false;
  bool Help = false;
};

struct TSubcommand {
  const char* Name;
  const char* Synopsis;  // the arguments as the usage shows them
  const char* Summary;   // what it does; more lines after '\n'
  size_t Operands;
  bool TakesOutput;
  int (*Run)(const TArguments& args, TConsole& io);
  void (*MoreHelp)(std::ostream& out);  // shown by `vkr NAME --help`; may be null
};

void ListScriptCommands(std::ostream& out);
int Play(const TArguments& args, TConsole& io);
int Check(const TArguments& args, TConsole& io);
int Dump(const TArguments& args, TConsole& io);
int Report(const TArguments& args, TConsole& io);
int Picture(const TArguments& args, TConsole& io);

// One entry per subcommand: the usage, `vkr NAME --help` and the dispatch
// are all made from this table.
const TSubcommand kSubcommands[] = {
    {"play", "SCRIPT", "run host commands from SCRIPT, one per line\n(- reads them from standard input)", 1, false,
     Play, ListScriptCommands},
    {"check", "FILE.vkr", "load a tournament file; exit 1 with the load\nerror when it does not load", 1, false, Check,
     nullptr},
    {"dump", "FILE.vkr", "print a tournament file's content as JSON", 1, false, Dump, nullptr},
    {"report", "text|csv|points FILE.vkr [-o OUT]",
     "write a tournament file's text report (default\n"
     "OUT: FILE.txt), CSV report (FILE.csv) or points\n"
     "summary (FILE-points.txt); -o - writes it to\n"
     "standard output",
     2, true, Report, nullptr},
    {"picture", "FILE.vkr [-o OUT.svg|OUT.html|-]",
     "draw a tournament file's whole bracket as SVG\n"
     "(default OUT: FILE.svg) or as an HTML page;\n"
     "-o - writes the SVG to standard output",
     1, true, Picture, nullptr},
};

constexpr size_t kSummaryColumn = 30;

// "  vkr NAME SYNOPSIS" and the summary beside it, or under it when the
// synopsis is too long; further summary lines in the same column.
void PrintEntry(std::ostream& out, const std::string& left, const std::string& summary) {
  std::string line = left;
  size_t start = 0;
  if (line.size() + 1 >= kSummaryColumn) {
    out << line << '\n';
    line.clear();
  }
  while (start <= summary.size()) {
    size_t end = summary.find('\n', start);
    if (end == std::string::npos) end = summary.size();
    line.resize(kSummaryColumn, ' ');
    out << line << summary.substr(start, end - start) << '\n';
    line.clear();
    start = end + 1;
  }
}

void PrintUsage(std::ostream& out) {
  out << "usage: vkr COMMAND ARGUMENTS...\n\n";
  for (const TSubcommand& sub : kSubcommands) {
    PrintEntry(out, std::string("  vkr ") + sub.Name + ' ' + sub.Synopsis, sub.Summary);
  }
  PrintEntry(out, "  vkr COMMAND --help", "help on one command");
  PrintEntry(out, "  vkr --help, -h", "this help");
  PrintEntry(out, "  vkr --version", "the program's version");
  out << "\nExit status: 0 done; 1 a tournament file that does not load or a file\n"
         "that cannot be written; 2 a wrong command line or script.\n";
}

void PrintSubcommandHelp(std::ostream& out, const TSubcommand& sub) {
  out << "usage: vkr " << sub.Name << ' ' << sub.Synopsis << "\n\n" << sub.Summary << ".\n";
  if (sub.MoreHelp) sub.MoreHelp(out);
}

// The names of the script commands, wrapped; the README says what each does.
void ListScriptCommands(std::ostream& out) {
  out << "\nScript commands (# starts a comment; the README describes each):\n";
  std::string line;
  for (const auto& [name, command] : AllCommands()) {
    if (line.size() + name.size() + 1 > 72) {
      out << ' ' << line << '\n';
      line.clear();
    }
    line += ' ' + name;
  }
  out << ' ' << line << '\n';
}

TArguments ParseArguments(const std::vector<std::string>& args, const TSubcommand& sub) {
  TArguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parsed.Help = true;
    } else if (arg == "-o" && sub.TakesOutput) {
      if (i + 1 == args.size()) throw TUsageError("-o needs a file name (- for standard output)");
      parsed.Output = args[++i];
      parsed.HasOutput = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw TUsageError("unknown option '" + arg + "'");
    } else {
      parsed.Operands.push_back(arg);
    }
  }
  if (!parsed.Help && parsed.Operands.size() != sub.Operands) {
    throw TUsageError(parsed.Operands.size() < sub.Operands ? "missing argument" : "too many arguments");
  }
  return parsed;
}

int CannotRead(TConsole& io, const std::string& path, const char* reason) {
  io.Err << "vkr play: cannot read '" << path << "': " << reason << '\n';
  return 2;
}

int Play(const TArguments& args, TConsole& io) {
  const std::string& path = args.Operands[0];
  if (io.OutIsTerminal) ShowLineBreaks(io.Out);
  if (path == "-") return RunScript(io.In, io.Out, io.Err);
  std::error_code ignored;
  if (std::filesystem::is_directory(StreamPath(path), ignored)) return CannotRead(io, path, "it is a folder");
  errno = 0;
  std::ifstream script(StreamPath(path), std::ios::binary);
  if (!script) return CannotRead(io, path, errno != 0 ? std::strerror(errno) : "it cannot be opened");
  return RunScript(script, io.Out, io.Err);
}

int Check(const TArguments& args, TConsole& io) { return CheckTournamentFile(args.Operands[0], io.Err); }

int Dump(const TArguments& args, TConsole& io) { return DumpTournamentFile(args.Operands[0], io.Out, io.Err); }

int Report(const TArguments& args, TConsole& io) {
  const TReportChoice* report = FindReport(args.Operands[0]);
  if (!report) throw TUsageError("unknown report '" + args.Operands[0] + "' (text, csv or points)");
  const std::string& path = args.Operands[1];
  const std::string out = args.HasOutput ? args.Output : ChangeFileExt(path, report->DefaultEnding);
  return ReportTournamentFile(report->Kind, path, out, io.Out, io.Err);
}

int Picture(const TArguments& args, TConsole& io) {
  const std::string& path = args.Operands[0];
  return PictureTournamentFile(path, args.HasOutput ? args.Output : ChangeFileExt(path, ".svg"), io.Out, io.Err);
}

const TSubcommand* FindSubcommand(const std::string& name) {
  for (const TSubcommand& sub : kSubcommands) {
    if (name == sub.Name) return &sub;
  }
  return nullptr;
}

int RunSubcommand(const TSubcommand& sub, const std::vector<std::string>& args, TConsole& io) {
  try {
    TArguments parsed = ParseArguments(args, sub);
    if (parsed.Help) {
      PrintSubcommandHelp(io.Out, sub);
      return 0;
    }
    return sub.Run(parsed, io);
  } catch (const TUsageError& e) {
    io.Err << "vkr " << sub.Name << ": " << e.what() << "\nusage: vkr " << sub.Name << ' ' << sub.Synopsis << '\n';
    return 2;
  } catch (const std::system_error& e) {
    // A run that cannot even set up its host (no temporary folder) stops cleanly.
    io.Err << "vkr " << sub.Name << ": " << e.what() << '\n';
    return 1;
  }
}

}  // namespace

int Main(const std::vector<std::string>& args, TConsole& io) {
  // Messages on standard error are for a person: their line breaks are real.
  ShowLineBreaks(io.Err);
  if (args.empty()) {
    io.Err << "vkr: missing command\n";
    PrintUsage(io.Err);
    return 2;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    PrintUsage(io.Out);
    return 0;
  }
  if (first == "--version") {
    io.Out << "vkr (Velmar Tourney Bracket) " << ProgramVersionText() << '\n';
    return 0;
  }
  const TSubcommand* sub = FindSubcommand(first);
  if (!sub) {
    io.Err << "vkr: unknown command '" << first << "'\n";
    PrintUsage(io.Err);
    return 2;
  }
  return RunSubcommand(*sub, std::vector<std::string>(args.begin() + 1, args.end()), io);
}

int Main(int argc, char** argv) {
  TConsole io{std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1};
  return Main(std::vector<std::string>(argv + 1, argv + argc), io);
}

}  // namespace vkr::cli
