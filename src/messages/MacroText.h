#pragma once
// The lines of a macro as the macro file holds them: quoted values, the
// player-macro tokens and delay lines.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vkr {

// The text in double quotes, inner double quotes doubled, so blanks at either
// end survive the file.
std::string QuoteMacroLine(std::string_view text);
// Undoes QuoteMacroLine; text without a leading quote is taken unchanged and a
// missing closing quote ends the text at the end of the line.
std::string UnquoteMacroLine(std::string_view text);
// The chat lines of a macro section: lines without "=" are skipped, the rest
// are the unquoted text after the first "=".
std::vector<std::string> MacroLinesOfSection(const std::vector<std::string>& sectionLines);
// The section lines written for the chat lines: "Line%.2d=" and the quoted text.
std::vector<std::string> SectionLinesOfMacro(const std::vector<std::string>& lines);

// A player macro names a seated entry: it holds %p, %o, %t or %r (lower case).
bool IsPlayerMacro(const std::vector<std::string>& lines);

// A delay line: ".<DELAY:" (any case) after leading blanks, seconds, ".",
// hundredths, blanks allowed before each number and before the "."; each
// number 1 to 9 digits without sign; the rest of the line is ignored.
bool ParseDelayLine(std::string_view text, uint64_t& milliseconds);

}  // namespace vkr
