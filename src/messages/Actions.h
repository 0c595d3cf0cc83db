#pragma once
// The four announcement commands of the Action menu and tool bar.
namespace vkr {

struct TTourney;

void WelcomeActionClick(TTourney& t);
void FormatActionClick(TTourney& t);
void AllStartActionClick(TTourney& t);
void WinnersActionClick(TTourney& t);

}  // namespace vkr
