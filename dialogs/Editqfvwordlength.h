// The word-length filter editor: the operation that types the word-length filter
// onto the command line, used by the editor's OK and by the main window's
// word-length check box.
#pragma once

namespace qora {

// Appends "/|" with the relation of `item` (0 to 7, dialogs/FilterText.h)
// and the values, then a blank, and gives the workspace the focus:
// item 5 with 7 types "/|=7 " and " ".
void AppendWordLengthFilter(int item, int value1, int value2);

}  // namespace qora
