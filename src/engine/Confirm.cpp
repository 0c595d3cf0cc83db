#include "engine/Confirm.h"

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"

namespace vkr {

bool IsSilenced(const TTourney& t, TConfirmBit bit) { return (t.ConfirmFilter >> bit) & 1U; }

bool AskFiltered(TTourney& t, TConfirmBit bit, const std::string& text) {
  if (IsSilenced(t, bit)) return true;
  bool dontAsk = false;
  bool yes = t.Ports.Screen->Confirm(text, &dontAsk);
  if (dontAsk) t.ConfirmFilter |= 1U << bit;
  return yes;
}

void NotifyFiltered(TTourney& t, TConfirmBit bit, const std::string& text) {
  if (IsSilenced(t, bit)) return;
  if (t.Ports.Screen->Notify(text)) t.ConfirmFilter |= 1U << bit;
}

}  // namespace vkr
