#include "formats/FormatMenu.h"

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/ApplyFormat.h"
#include "formats/FormatStore.h"
#include "formats/MessageFile.h"

namespace vkr {

void RebuildFormatMenu(TTourney& t, const std::string& nameToSelect) {
  TMessageFile store(*t.Ports.Files, FormatStoreFileName(t));
  store.Load();
  std::vector<std::string>& entries = t.Format.MenuEntries;
  entries.assign(1, "Default");
  for (int i = 0; i < store.SectionCount(); ++i) {
    if (!SameText(store.SectionName(i), "Default")) entries.push_back(store.SectionName(i));
  }
  SelectFormatByName(t, nameToSelect);
}

}  // namespace vkr
