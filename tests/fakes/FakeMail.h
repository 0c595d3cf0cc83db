#pragma once
// A mail client that keeps the messages handed to it, or cannot be reached.
#include <vector>

#include "storage/MailPort.h"

namespace vkr::test {

class TFakeMail : public TMailPort {
 public:
  std::vector<TMailMessage> Composed;
  bool Reachable = true;
  bool Compose(const TMailMessage& message) override {
    if (!Reachable) return false;
    Composed.push_back(message);
    return true;
  }
};

}  // namespace vkr::test
