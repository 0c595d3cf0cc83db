#include "engine/Find.h"

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"

namespace vkr {

void SetFindText(TTourney& t, const std::string& text) {
  TViewState& v = t.View;
  v.FindField = text;
  v.FindResult.clear();
  std::string search = UpperAnsi(Trim(text));
  int32_t number = 0;
  if (TryParseInt(search, number) && number >= 1 && number <= t.LobbyTableCount && search[0] != '+' &&
      search[0] != '-') {
    v.FoundTable = number;
    search.clear();
  }
  v.FindHighlight = search;
  t.Ports.Screen->ControlsChanged();
  if (search.empty()) return;
  v.FoundTable = 0;
  for (const TPlayer& p : t.Model.Players()) {
    if (UpperAnsi(p.Name).find(search) == std::string::npos) continue;
    int last = p.LastSlot();
    if (last < 0) return;
    const TTableRef ref = p.Tables[static_cast<size_t>(last)];
    const TTable& table = t.Model.Table(ref);
    if (table.Result != 0) {
      v.FindResult = "Out";
      return;
    }
    static const char* const kBrackets[3] = {"W", "OL", "TL"};
    v.FoundTable = table.Number;
    v.FindResult = Sprintf(" %s %s / %d", kBrackets[ref.Bracket], RoundLabel(t, ref.Round, ref.Bracket).c_str(),
                           table.Number);
    return;
  }
}

}  // namespace vkr
