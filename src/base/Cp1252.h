#pragma once
// Conversion between the core's Windows-1252 bytes and Unicode at the edges
// (clipboard, standard output, the GUI). Undefined 1252 codes map to the C1
// control of the same value, as the Windows conversion does, so every byte
// round-trips.
#include <string>
#include <string_view>

namespace vkr {

char32_t Cp1252ToCodePoint(unsigned char byte);
std::u16string Cp1252ToUtf16(std::string_view text);
std::string Cp1252ToUtf8(std::string_view text);
// Characters outside code page 1252 (and malformed UTF-8) become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace vkr
