#pragma once
// The action log beside the tournament file: one line per call, each a whole
// open-append-close with write-through, so the log is complete up to the last
// action even if the program dies.
#include <string>
#include <string_view>

namespace vkr {

struct TTourney;

// The tournament file name with the extension ".log"; ".log" while none is set.
std::string LogFileName(const TTourney& t);
// Appends the line and CR LF; a log that cannot be opened loses the line silently.
void WriteLogLine(TTourney& t, std::string_view line);

}  // namespace vkr
