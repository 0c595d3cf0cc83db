#pragma once
// The host's modal boxes: a Yes/No question that may carry "Don't ask me
// again", and a notice that may carry "Don't tell me again".
#include <QString>

class QWidget;

namespace vkr {

// dontAsk null: a plain question. Otherwise the box is shown and its state
// comes back in *dontAsk.
bool AskYesNo(QWidget* parent, const QString& text, bool* dontAsk);
// Gives whether "Don't tell me again" was ticked.
bool ShowNotice(QWidget* parent, const QString& text);

}  // namespace vkr
