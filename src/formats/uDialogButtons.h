#pragma once
// The OK and Cancel buttons every settings dialog ends with.
class QDialog;
class QDialogButtonBox;

namespace vkr {

// OK and Cancel, wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

}  // namespace vkr
