#pragma once
// Tournaments of eight played through the engine's own commands on the fake
// clock, for the points and report tests.
#include "fakes/FakePorts.h"

namespace vkr::test {

// Alice .. Hank signed up two to a table in this order and sign-ups closed at 20:30:00.
void StartEight(TTestHost& h, int elim);
// The Win button of a seat; round and table row 0-based. The clock moves on by `after` seconds first.
void Win(TTestHost& h, int bracket, int round, int row, int seat, double after = 600);
// Single elimination played to the end: Dave beats Erin in the final; Alice and Hank lose the semi-finals.
void PlaySingleEight(TTestHost& h);
// Double elimination played to the end: Dave wins the one-loss final against Bob (who had a bye in
// round 4) and meets Erin in the grand final, which the given player wins ("Dave" or "Erin").
void PlayDoubleEight(TTestHost& h, const char* champion);

}  // namespace vkr::test
