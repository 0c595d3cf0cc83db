#include "engine/NameListEditor.h"

#include "engine/NameList.h"
#include "engine/SignUp.h"

namespace vkr {

int AddListName(TNameList& list, const std::string& typed) {
  const std::string name = CleanPlayerName(typed);
  if (name.empty()) return -1;
  list.Add(name);
  return list.IndexOf(name);
}

int EditListName(TNameList& list, int index, const std::string& typed) {
  if (index < 0 || static_cast<size_t>(index) >= list.Items().size()) return -1;
  const std::string name = CleanPlayerName(typed);
  const int existing = list.IndexOf(name);
  if (name.empty() || (existing >= 0 && existing != index)) return index;
  list.RemoveAt(static_cast<size_t>(index));
  list.Add(name);
  return list.IndexOf(name);
}

}  // namespace vkr
