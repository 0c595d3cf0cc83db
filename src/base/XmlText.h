#pragma once
// Windows-1252 text as character data of an XML or HTML document (UTF-8).
#include <string>
#include <string_view>

namespace vkr {

// Converts to UTF-8 and escapes the markup characters, so that a name can
// stand in element content or in a quoted attribute. Control characters,
// which an XML document cannot hold, become U+FFFD.
std::string XmlText(std::string_view cp1252);

}  // namespace vkr
