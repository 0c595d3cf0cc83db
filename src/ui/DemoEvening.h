#pragma once
// Plays a scripted evening (the commands of `vkr play`: new, option, add,
// welcome, close, win, release, undo, redo, winners) through the window's own
// widgets and actions, answering each question Yes, so the window can be seen
// at work where nobody sits in front of it. Clock commands are skipped: the
// window keeps the real time, and shows what "show" would print.
#include <QString>

namespace vkr {

class TTarnwickForm;

// The tournament file of "new" goes into folder. False, with the reason in
// *error, when the script cannot be read or a line cannot be played.
bool PlayDemoEvening(TTarnwickForm& form, const QString& script, const QString& folder, QString* error);

}  // namespace vkr
