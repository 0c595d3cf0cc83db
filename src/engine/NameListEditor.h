#pragma once
// The banned and recent player list editor's operations on its copy of a
// list: names typed there are cleaned like player names.
#include <string>

namespace vkr {

class TNameList;

// Adds the cleaned name unless present; gives its position to select, or -1
// when nothing of the name was left after cleaning.
int AddListName(TNameList& list, const std::string& typed);
// Replaces the entry at index with the cleaned name, unless that name stands
// at another position (then nothing changes). Gives the position to select.
int EditListName(TNameList& list, int index, const std::string& typed);

}  // namespace vkr
