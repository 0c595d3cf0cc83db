// The vkr command line as a user meets it: help, version, wrong commands,
// unreadable scripts, reports and pictures to standard output or beside the
// file, and a new file that holds its elimination type at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Main.h"

namespace vkr::cli {
namespace {

namespace fs = std::filesystem;

struct TRun {
  int Code;
  std::string Out, Err;
};

TRun Vkr(const std::vector<std::string>& args, const std::string& input = "", bool terminal = false) {
  std::istringstream in(input);
  std::ostringstream out, err;
  TConsole io{in, out, err, terminal};
  int code = Main(args, io);
  return {code, out.str(), err.str()};
}

const std::string kDouble9 = std::string(VKR_TEST_DATA) + "/double9.vkr";

// A fresh folder of its own for one test.
fs::path Scratch(const std::string& name) {
  fs::path folder = fs::temp_directory_path() / ("vkr-cli-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

struct TCase {
  std::vector<std::string> Args;
  int Code;
  std::string OutStart, ErrStart;  // standard output and error begin so (empty: must be empty)
  std::string Input = "";          // the script `play -` reads
};

TEST(CommandLine, AnswersEachCommandLineWithItsCodeAndStreams) {
  const std::string folder = Scratch("folder").string();
  const std::string missing = folder + "/no-such.vkp";
  const std::string made = folder + "/cup.vkr";
  const TCase cases[] = {
      {{"--help"}, 0, "usage: vkr COMMAND ARGUMENTS...\n\n  vkr play SCRIPT", ""},
      {{"-h"}, 0, "usage: vkr COMMAND", ""},
      {{"--version"}, 0, "vkr (Velmar Tourney Bracket) 1.0.0.44\n", ""},
      {{}, 2, "", "vkr: missing command\nusage: vkr COMMAND"},
      {{"frob", "x"}, 2, "", "vkr: unknown command 'frob'\nusage: vkr COMMAND"},
      {{"play", "--help"}, 0, "usage: vkr play SCRIPT\n\nrun host commands", ""},
      {{"report", "-h"}, 0, "usage: vkr report text|csv|points FILE.vkr [-o OUT]\n", ""},
      {{"report", "html", kDouble9}, 2, "", "vkr report: unknown report 'html' (text, csv or points)\nusage: vkr report"},
      {{"report", "text"}, 2, "", "vkr report: missing argument\nusage: vkr report text|csv|points"},
      {{"report", "text", kDouble9, "-o"}, 2, "", "vkr report: -o needs a file name"},
      {{"check", kDouble9, kDouble9}, 2, "", "vkr check: too many arguments\nusage: vkr check FILE.vkr\n"},
      {{"dump", "-x"}, 2, "", "vkr dump: unknown option '-x'\n"},
      {{"play", folder}, 2, "", "vkr play: cannot read '" + folder + "': it is a folder\n"},
      {{"play", missing}, 2, "", "vkr play: cannot read '" + missing + "': No such file or directory\n"},
      {{"report", "points", kDouble9, "-o", "-"},
       0,
       "Velmar's Tourney Bracket Tool Version 1.0.0.44\r\n",
       "ask: Did \"Player2\" (the winner of the loser's bracket) win the first game"},
      {{"check", missing}, 1, "",
       "error: An error was encountered opening the file with the error message:\n\n       "},
      {{"picture", kDouble9, "-o", "-"}, 0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", ""},
      {{"picture", kDouble9, "-o", "x.png"}, 2, "", "vkr picture: 'x.png' must end in .svg or .html"},
      {{"picture", kDouble9, "-o", folder + "/no-such-folder/x.svg"}, 1, "", "vkr picture: cannot write"},
      {{"picture", missing, "-o", "-"}, 1, "", "error: An error was encountered opening"},
      // show before any tournament: the empty sign-up round; wrong rounds are script errors.
      {{"play", "-"}, 0, "show: Winners round 1\nshow:   no one seated yet\n", "", "show\n"},
      {{"play", "-"}, 2, "", "script error: 1: 'show' takes no arguments, or a bracket and a round\n", "show W\n"},
      {{"play", "-"}, 2, "", "script error: 1: bracket O is not used in this elimination type\n", "show O 2\n"},
      {{"play", "-"}, 2, "", "script error: 1: no round W 9\n", "show W 9\n"},
      // `new FILE elim=...` writes a file that already holds the chosen
      // elimination type, before any other change (single is the default,
      // and the scenarios show each type's brackets): the dump reads the
      // file the row before it made.
      {{"play", "-"}, 0, "", "", "new " + made + " elim=double\n"},
      {{"dump", made}, 0, "{\"elim\":1,", ""},
  };
  for (const TCase& c : cases) {
    std::string shown;
    for (const std::string& arg : c.Args) shown += " " + arg;
    SCOPED_TRACE("vkr" + shown + " < " + c.Input);
    TRun run = Vkr(c.Args, c.Input);
    EXPECT_EQ(run.Code, c.Code);
    EXPECT_EQ(run.Out.substr(0, c.OutStart.size()), c.OutStart);
    EXPECT_EQ(run.Err.substr(0, c.ErrStart.size()), c.ErrStart);
    if (c.OutStart.empty()) {
      EXPECT_EQ(run.Out, "");
    }
    if (c.ErrStart.empty()) {
      EXPECT_EQ(run.Err, "");
    }
    EXPECT_EQ(run.Err.find("\\n"), std::string::npos) << "a literal \\n on standard error";
  }
}

// Each report gets a name of its own beside the tournament file, which is
// loaded without a trace: no log, no backup; a picture is SVG or HTML by the
// name asked for.
TEST(CommandLine, ReportsHaveDefaultNamesOfTheirOwnAndPicturesTheirAskedType) {
  const fs::path folder = Scratch("reports");
  const fs::path copy = folder / "cup.vkr";
  fs::copy_file(kDouble9, copy);
  for (const char* kind : {"text", "csv", "points"}) EXPECT_EQ(Vkr({"report", kind, copy.string()}).Code, 0) << kind;
  for (const char* name : {"cup.svg", "cup.HTML"}) {
    EXPECT_EQ(Vkr({"picture", copy.string(), "-o", (folder / name).string()}).Code, 0) << name;
  }
  auto firstLine = [&](const char* name) {
    std::ifstream in(folder / name, std::ios::binary);
    std::string line;
    std::getline(in, line);
    return line;
  };
  EXPECT_EQ(firstLine("cup.txt"), "VKR Version 1.0.0.44\r");
  EXPECT_EQ(firstLine("cup.csv"), "VKR Version,1.0.0.44\r");
  EXPECT_EQ(firstLine("cup-points.txt"), "Velmar's Tourney Bracket Tool Version 1.0.0.44\r");
  EXPECT_EQ(firstLine("cup.svg"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  EXPECT_EQ(firstLine("cup.HTML"), "<!DOCTYPE html>");
  EXPECT_FALSE(fs::exists(folder / "cup.log"));
  EXPECT_FALSE(fs::exists(folder / "cup.~vkr"));
}

// Eight sign-ups without a tournament file, then closing: the question's
// line breaks are real on a terminal (the scenarios pin \n in a transcript),
// and the lines logged before any tournament file was named stay out of the
// current folder.
TEST(CommandLine, PlayBreaksMessageLinesOnATerminalAndLogsNothingHere) {
  std::string script;
  for (const char* name : {"Anna", "Bert", "Cleo", "Dirk", "Emma", "Finn", "Gina", "Hugo"}) {
    script += std::string("add ") + name + "\n";
  }
  script += "close\n";
  // A folder of its own: other tests run beside this one in the build folder.
  const fs::path started = fs::current_path();
  fs::current_path(Scratch("started"));
  TRun shown = Vkr({"play", "-"}, script, true);
  EXPECT_TRUE(fs::is_empty(fs::current_path()));
  fs::current_path(started);
  ASSERT_EQ(shown.Code, 0) << shown.Err;
  EXPECT_NE(shown.Out.find("ask: Are you sure that you want to close signups?\n\n     This action cannot be reversed."),
            std::string::npos);
}

}  // namespace
}  // namespace vkr::cli
