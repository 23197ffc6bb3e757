// The hooks filter editor, for front hooks and back hooks: which of the two
// it edits, and the operation that types a hooks filter onto the command
// line, used by the editor's OK and by the main window's hooks check boxes.
#pragma once

#include <string>

#include "engine/LetterCounts.h"

namespace qora {

// Set by the main window just before it opens the editor: true for front
// hooks, false for back hooks.
extern bool HooksDialogFront;

// The letters of a hooks filter as it is written: "AES", "1S", "2AB".
std::string HooksSetText(const LetterCounts& letters);

// Appends "/<" (front) or "/>" (back), the operator of the set-relation
// `relation` (0 to 5, dialogs/FilterText.h) and the letters in parentheses
// (counts written as FormatLetterCounts mode 0 writes them), then a blank,
// and gives the workspace the focus: front "<=" over A, E, S types
// "/<<=(AES)" and " "; back "=" over S alone "/>=(1S)" and " ".
void AppendHooksFilter(bool front, int relation, const LetterCounts& letters);

}  // namespace qora
