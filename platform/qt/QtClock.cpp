#include "qt/QtClock.h"

#include <QEventLoop>
#include <QTimer>

namespace vkr {

void TQtClock::DelayWithMessages(uint32_t ms) {
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace vkr
