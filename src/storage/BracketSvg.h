#pragma once
// The whole-bracket picture of a tournament as SVG: every bracket in use,
// every round a column, each table a box with its number and both names, the
// winner marked, lines to where each winner (and loser) went next, and the
// champion at the end. Names go from Windows-1252 to UTF-8, escaped.
#include <string>

namespace vkr {

struct TTourney;

// The tournament's name, date and host as the picture and its page show them
// (Windows-1252).
struct TPictureTitle {
  std::string Name, Date, Host;
};
TPictureTitle PictureTitle(const TTourney& t);

// The <svg> element; with the caption it names the tournament itself, without
// it is meant for a page that does.
std::string BracketSvgElement(const TTourney& t, bool caption);
// A standalone SVG document with the caption.
std::string BracketPictureSvg(const TTourney& t);

}  // namespace vkr
