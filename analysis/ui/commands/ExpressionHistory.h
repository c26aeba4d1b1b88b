// The history of a dialog's expression box: the expressions used since the program started, in
// sorted order (letters compared without case), each once.
#pragma once

#include <string>
#include <vector>

namespace brisal {

// Where `text` goes into the sorted `items`; -1 when they hold it already or it is blank.
int HistoryInsertIndex(const std::vector<std::string>& items, const std::string& text);

}  // namespace brisal
