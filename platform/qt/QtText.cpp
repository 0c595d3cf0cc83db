#include "qt/QtText.h"

#include "base/Cp1252.h"

namespace vkr {

QString ToQt(const std::string& cp1252) {
  std::u16string wide = Cp1252ToUtf16(cp1252);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace vkr
