#pragma once
// Text helpers for the 8-bit Windows-1252 strings used throughout the core.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vkr {

// printf-style formatting into a std::string. Windows builds use the C99
// printf of mingw-w64, which the compiler checks as gnu_printf.
#ifdef __MINGW32__
std::string Sprintf(const char* pattern, ...) __attribute__((format(gnu_printf, 1, 2)));
#else
std::string Sprintf(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
#endif

// Upper case by the Windows ANSI rules of code page 1252 (letters with accents too).
char UpperAnsiChar(char c);
std::string UpperAnsi(std::string_view text);
// Comparison without regard to case (ANSI rules).
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
// Hash and equality without regard to case (ANSI rules), for unordered containers.
struct TCaseBlindHash {
  size_t operator()(std::string_view text) const;
};
struct TCaseBlindEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};
// Position of needle in haystack ignoring case, or npos.
size_t FindText(std::string_view haystack, std::string_view needle);

// Removes leading and trailing blanks and control characters (bytes <= ' ').
std::string Trim(std::string_view text);
bool StartsWith(std::string_view text, std::string_view prefix);

// Strict decimal integer with optional sign; false when the text is not one
// or the value does not fit 32 bits.
bool TryParseInt(std::string_view text, int32_t& value);

// Splits at CR LF, CR or LF; a trailing line end gives no empty last line.
std::vector<std::string> SplitLines(std::string_view text);
// Each line followed by CR LF, as the program's text files are written.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace vkr
