#include "storage/TournamentImage.h"

#include "engine/Model.h"

namespace vkr {

int LastStoredRound(const TTourneyImage& image, int bracket) {
  switch (bracket) {
    case Winners: return image.GrandFinalRound;
    case OneLoss:
      if (image.ElimFormat == ElimDouble) return image.OneLossFinalRound;
      return image.ElimFormat == ElimTriple ? image.OneLossLastRound : -1;
    default: return image.ElimFormat == ElimTriple ? image.TwoLossFinalRound : -1;
  }
}

}  // namespace vkr
