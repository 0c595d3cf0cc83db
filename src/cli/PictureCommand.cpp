#include "cli/PictureCommand.h"

#include <cstring>
#include <system_error>
#include <string>

#include "base/Paths.h"
#include "base/Text.h"
#include "cli/FileInspect.h"
#include "cli/ScriptHost.h"
#include "storage/BracketPage.h"
#include "storage/BracketSvg.h"

namespace vkr::cli {
namespace {

const char* const kPictureUsage = "usage: vkr picture FILE.vkr [-o OUT.svg|OUT.html|-]\n";

bool EndsWith(const std::string& text, const char* ending) {
  const size_t n = std::strlen(ending);
  return text.size() >= n && SameText(std::string_view(text).substr(text.size() - n), ending);
}

}  // namespace

int PictureCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
  if (argc != 3 && !(argc == 5 && std::strcmp(argv[3], "-o") == 0)) {
    err << kPictureUsage;
    return 2;
  }
  const std::string path = argv[2];
  const std::string target = argc == 5 ? argv[4] : ChangeFileExt(path, ".svg");
  const bool html = EndsWith(target, ".html") || EndsWith(target, ".htm");
  if (!html && target != "-" && !EndsWith(target, ".svg")) {
    err << "vkr: the picture's name must end in .svg or .html (or be - for SVG on standard output): " << target
        << '\n';
    return 2;
  }
  try {
    TScriptHost host(err);
    if (!LoadReadOnly(host, path)) return 1;
    const std::string document = html ? BracketPictureHtml(host.T) : BracketPictureSvg(host.T);
    if (target == "-") {
      out << document;
      return out.flush() ? 0 : 1;
    }
    if (!host.Files.WriteFileAtomic(target, document, false)) {
      err << "vkr: cannot write " << target << '\n';
      return 1;
    }
    return 0;
  } catch (const std::system_error& e) {
    err << "vkr: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace vkr::cli
