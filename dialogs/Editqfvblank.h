// The blank filter editor: the operation that types the blank filter onto the
// command line, used by the editor's OK and by the main window's blank-filter
// check box.
#pragma once

#include <string>

#include "engine/LetterCounts.h"

namespace qora {

// The letters of a blank filter as they are written, the ignore-vowels mark
// first: "AEIOU", "-AEIOU", "2ES".
std::string BlankSetText(const LetterCounts& letters, bool ignoreVowels);

// Appends "/:", the operator of the set-relation `relation` (0 to 5,
// dialogs/FilterText.h) and the letters in parentheses, "-" first for the
// ignore-vowels mark (counts written as FormatLetterCounts mode 9 writes
// them), then a blank, and gives the workspace the focus: "<=" over the
// vowels types "/:<=(AEIOU)" and " ", with the mark "/:<=(-AEIOU)".
void AppendBlankFilter(int relation, const LetterCounts& letters, bool ignoreVowels);

}  // namespace qora
