// vkr picture on the command line: SVG or HTML by the name asked for, and
// the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Main.h"

namespace vkr::cli {
namespace {

TEST(PictureCommand, WritesSvgOrHtmlByTheNameAndRefusesWhatItCannotDo) {
  const std::string data = std::string(VKR_TEST_DATA) + "/double9.vkr";
  const std::string folder = std::filesystem::temp_directory_path().string();
  struct TCase {
    std::vector<std::string> Args;
    int Code;
    const char* Start;  // of standard output, of the file written, or of standard error
  };
  const TCase cases[] = {
      {{data, "-o", "-"}, 0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "},
      {{data, "-o", folder + "/vkr-picture-test.svg"}, 0, "<?xml"},
      {{data, "-o", folder + "/vkr-picture-test.HTML"}, 0, "<!DOCTYPE html>"},
      {{data, "-o", folder + "/no-such-folder/x.svg"}, 1, "vkr picture: cannot write"},
      {{std::string(VKR_TEST_DATA) + "/no-such-file.vkr", "-o", "-"}, 1, "error: An error was encountered opening"},
      {{data, "-o", "x.png"}, 2, "vkr picture: 'x.png' must end in .svg or .html"},
  };
  for (const TCase& c : cases) {
    std::vector<std::string> args{"picture"};
    args.insert(args.end(), c.Args.begin(), c.Args.end());
    std::istringstream in;
    std::ostringstream out, err;
    TConsole io{in, out, err, false};
    ASSERT_EQ(Main(args, io), c.Code) << err.str();
    std::string shown = c.Code != 0 ? err.str() : out.str();
    if (c.Code == 0 && c.Args.back() != "-") {  // the file written
      std::ifstream file(c.Args.back(), std::ios::binary);
      shown.assign(std::istreambuf_iterator<char>(file), {});
      std::filesystem::remove(c.Args.back());
    }
    EXPECT_EQ(shown.rfind(c.Start, 0), 0u) << shown.substr(0, 200);
  }
}

}  // namespace
}  // namespace vkr::cli
