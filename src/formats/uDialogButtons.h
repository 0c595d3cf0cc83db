#pragma once
// The OK and Cancel buttons every settings dialog ends with.
#include <functional>

class QBoxLayout;
class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace vkr {

// OK and Cancel, wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
// A button of a manager's column of commands; Enter never presses it.
QPushButton* AddCommandButton(QWidget* parent, QBoxLayout* column, const char* caption, const char* objectName,
                              std::function<void()> click);

}  // namespace vkr
