#pragma once
// The host window's one-second timer.
namespace vkr {

struct TTourney;

// One tick: the boot clock, the status-bar clocks, the time labels of the
// rows the views show, reminders and overdue tables, and finding the lobby
// window again. The window calls it every second, after a view was redrawn,
// and after "Reset timer".
void TimerTimer(TTourney& t);

}  // namespace vkr
