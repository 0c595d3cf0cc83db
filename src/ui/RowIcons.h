#pragma once
// The small pictures of the row buttons, drawn once.
#include <QIcon>

namespace vkr {

const QIcon& CheckIcon();
const QIcon& BootIcon();
const QIcon& CopyIcon();

}  // namespace vkr
