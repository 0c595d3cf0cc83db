#include "base/XmlText.h"

#include "base/Cp1252.h"

namespace vkr {

std::string XmlText(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) {
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '"': out += "&quot;"; continue;
      case '\'': out += "&#39;"; continue;
      default: break;
    }
    const char32_t code = Cp1252ToCodePoint(static_cast<unsigned char>(c));
    // C0, DEL and the C1 codes that 1252 leaves undefined.
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) out += "\xEF\xBF\xBD";
    else out += Cp1252ToUtf8(std::string_view(&c, 1));
  }
  return out;
}

}  // namespace vkr
