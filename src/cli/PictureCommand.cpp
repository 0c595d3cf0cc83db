#include "cli/PictureCommand.h"

#include "base/Text.h"
#include "cli/FileInspect.h"
#include "cli/ScriptHost.h"
#include "storage/BracketPage.h"
#include "storage/BracketSvg.h"

namespace vkr::cli {
namespace {

bool EndsWith(const std::string& text, std::string_view ending) {
  return text.size() >= ending.size() && SameText(std::string_view(text).substr(text.size() - ending.size()), ending);
}

}  // namespace

int PictureTournamentFile(const std::string& path, const std::string& outPath, std::ostream& out, std::ostream& err) {
  const bool html = EndsWith(outPath, ".html") || EndsWith(outPath, ".htm");
  if (!html && outPath != "-" && !EndsWith(outPath, ".svg")) {
    err << "vkr picture: '" << outPath << "' must end in .svg or .html (or be - for SVG on standard output)\n";
    return 2;
  }
  TScriptHost host(err);
  if (!LoadReadOnly(host, path)) return 1;
  const std::string document = html ? BracketPictureHtml(host.T) : BracketPictureSvg(host.T);
  if (outPath == "-") {
    out << document;
    return out.flush() ? 0 : 1;
  }
  if (!host.Files.WriteFileAtomic(outPath, document, false)) {
    err << "vkr picture: cannot write '" << outPath << "'\n";
    return 1;
  }
  return 0;
}

}  // namespace vkr::cli
