#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace vkr {

bool TQtClipboard::SetText(const std::string&, const std::u16string& wide) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size())));
  return true;
}

}  // namespace vkr
