#pragma once
// The one place where the core's Windows-1252 bytes meet Qt's Unicode text.
#include <QString>
#include <string>

namespace vkr {

QString ToQt(const std::string& cp1252);
std::string FromQt(const QString& text);

}  // namespace vkr
