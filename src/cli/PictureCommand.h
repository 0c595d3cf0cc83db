#pragma once
// `vkr picture`: the whole-bracket picture of a tournament file as SVG
// (OUT.svg, or - for standard output) or as an HTML page (OUT.html).
#include <ostream>
#include <string>

namespace vkr::cli {

// 0 when written, 1 when the file does not load or outPath cannot be written,
// 2 when outPath names neither kind of picture.
int PictureTournamentFile(const std::string& path, const std::string& outPath, std::ostream& out, std::ostream& err);

}  // namespace vkr::cli
