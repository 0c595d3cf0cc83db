#pragma once
// The user's mail client through the desktop's handler of mailto: links. A
// mailto: link carries no attachment, so the text goes into the body.
#include <QByteArray>

#include "storage/MailPort.h"

namespace vkr {

class TQtMail : public TMailPort {
 public:
  bool Compose(const TMailMessage& message) override;
};

// "mailto:?subject=...&body=..." with subject and body as UTF-8, every byte
// outside the unreserved characters percent-encoded (line ends as %0D%0A).
QByteArray MailtoUrl(const TMailMessage& message);

}  // namespace vkr
