#pragma once
// Tournaments of eight played through the engine's own commands on the fake clock.
#include <initializer_list>

#include "engine/Results.h"
#include "fakes/FakePorts.h"

namespace vkr::test {

// Alice .. Hank signed up two to a table in this order; sign-ups closed at 20:30:00.
void StartEight(TTestHost& h, int elim);
// The Win button of a seat (round and table row 0-based), `after` seconds on; Play presses several.
void Win(TTestHost& h, int bracket, int round, int row, int seat, double after = 600);
void Play(TTestHost& h, std::initializer_list<TWinButton> buttons);
// Dave beats Erin in the final; Alice and Hank lose the semi-finals.
void PlaySingleEight(TTestHost& h);
// Dave wins the one-loss final against Bob (who had a bye in one-loss round 4) and meets Erin in
// the grand final, which `champion` ("Dave" or "Erin") wins.
void PlayDoubleEight(TTestHost& h, const char* champion);

}  // namespace vkr::test
