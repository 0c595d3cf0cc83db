#pragma once
// While it lives, answers every message box the window shows as a host who
// agrees would: Yes to questions, OK to notices. For evenings played without
// anybody at the screen (the offscreen demo, the benchmark).
#include <QTimer>

namespace vkr {

class TAutoAnswer {
 public:
  TAutoAnswer();

 private:
  QTimer FTimer;
};

}  // namespace vkr
