#pragma once
// `vkr picture FILE.vkr [-o OUT]`: the whole-bracket picture of a tournament
// file as SVG (OUT.svg, or - for standard output) or as an HTML page (OUT.html).
#include <ostream>

namespace vkr::cli {

// 0 when written, 1 when the file does not load or OUT cannot be written,
// 2 for wrong arguments.
int PictureCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace vkr::cli
