#include "base/Paths.h"

namespace vkr {
namespace {
size_t NameStart(std::string_view path) {
  size_t sep = path.find_last_of("/\\");
  return sep == std::string_view::npos ? 0 : sep + 1;
}
}  // namespace

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  size_t start = NameStart(path);
  size_t dot = path.rfind('.');
  std::string out(path.substr(0, dot == std::string_view::npos || dot < start ? path.size() : dot));
  out += ext;
  return out;
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

}  // namespace vkr
