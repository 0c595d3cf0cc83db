#pragma once
// Help / "About...": the program's name, version and what it is built with.
class QWidget;

namespace vkr {

void ShowAboutDialog(QWidget* parent);

}  // namespace vkr
