#pragma once
// The whole-bracket picture as one self-contained HTML page: the tournament's
// name, date and host above the SVG, which the page scrolls or fits to width.
#include <string>

namespace vkr {

struct TTourney;

std::string BracketPictureHtml(const TTourney& t);

}  // namespace vkr
