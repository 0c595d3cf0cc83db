#pragma once
// The user's mail client: a new message is handed to it and shown to the
// host, who sends it from there.
#include <string>

namespace vkr {

struct TMailMessage {
  std::string Subject;
  std::string Body;  // Windows-1252, CR LF line ends
};

class TMailPort {
 public:
  virtual ~TMailPort() = default;
  // False when no mail client could be reached.
  virtual bool Compose(const TMailMessage& message) = 0;
};

}  // namespace vkr
