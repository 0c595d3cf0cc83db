// `new FILE elim=...` writes a file that already holds the chosen
// elimination type, before any other change.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/FileInspect.h"
#include "cli/ScriptRunner.h"

namespace vkr::cli {
namespace {

TEST(NewCommand, TheFileHoldsTheChosenEliminationAtOnce) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "vkr-new-elim.vkr";
  for (const char* elim : {"single", "double", "triple"}) {
    std::istringstream script("new " + file.string() + " elim=" + elim + "\n");
    std::ostringstream out, dump;
    ASSERT_EQ(RunScript(script, out, out), 0) << out.str();
    ASSERT_EQ(DumpTournamentFile(file.string(), dump, out), 0) << out.str();
    const std::string expected = std::string("{\"elim\":") + (elim[0] == 's' ? "0" : elim[0] == 'd' ? "1" : "2");
    EXPECT_EQ(dump.str().substr(0, expected.size()), expected) << elim;
  }
  for (const char* ending : {".vkr", ".~vkr", ".log"}) std::filesystem::remove(std::filesystem::path(file).replace_extension(ending));
}

}  // namespace
}  // namespace vkr::cli
