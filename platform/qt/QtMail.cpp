#include "qt/QtMail.h"

#include <QDesktopServices>
#include <QUrl>

#include "qt/QtText.h"

namespace vkr {

QByteArray MailtoUrl(const TMailMessage& message) {
  return QByteArrayLiteral("mailto:?subject=") + QUrl::toPercentEncoding(ToQt(message.Subject)) +
         QByteArrayLiteral("&body=") + QUrl::toPercentEncoding(ToQt(message.Body));
}

bool TQtMail::Compose(const TMailMessage& message) {
  return QDesktopServices::openUrl(QUrl::fromEncoded(MailtoUrl(message), QUrl::StrictMode));
}

}  // namespace vkr
