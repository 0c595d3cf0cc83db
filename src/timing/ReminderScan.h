#pragma once
// Reminders when a match nears its limit, and the overdue-tables list.
namespace vkr {

struct TTourney;

// Gives the 15-, 10- and 5-minute reminders the host switched on and rebuilds
// the overdue list; returns at once while a reminder's message box is open.
void ReminderScan(TTourney& t);

}  // namespace vkr
