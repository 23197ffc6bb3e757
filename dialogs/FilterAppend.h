// Typing a query filter onto the command line, as the filter editors and the
// main window's filter check boxes do: the filter's text
// (dialogs/texts/FilterText), a single blank after it, and the focus back to
// the workspace. One Append operation per filter, used by the filter's editor
// and by its check box.
#pragma once

#include <optional>
#include <string_view>

#include "dialogs/texts/FilterText.h"
#include "engine/LetterCounts.h"

namespace qora {

// Appends "/|" (word length), "/$" (word score), "/&" (anagram count) or "/#"
// (word count) with the relation of `item` (0 to 7) and the values, then a
// blank, and gives the workspace the focus: item 5 with 7 types "/|=7 " and
// " ".
void AppendWordLengthFilter(int item, int value1, int value2);
void AppendWordScoreFilter(int item, int value1, int value2);
void AppendAnagramCountFilter(int item, int value1, int value2);
void AppendWordCountFilter(int item, int value1, int value2);

// Appends ProbabilityFilterText, then a blank, and gives the workspace the
// focus: item 0 with 100 and "QI" types "/%100-{QI} " and " ".
void AppendProbabilityFilter(int item, int value1, std::optional<std::string_view> string1, int value2,
                             std::optional<std::string_view> string2);

// Appends HooksFilterText, then a blank, and gives the workspace the focus:
// front "<=" over A, E, S types "/<<=(AES)" and " ".
void AppendHooksFilter(bool front, int relation, const LetterCounts& letters);

// Appends BlankFilterText, then a blank, and gives the workspace the focus:
// "<=" over the vowels types "/:<=(AEIOU)" and " ".
void AppendBlankFilter(int relation, const LetterCounts& letters, bool ignoreVowels);

// Appends DefinitionFilterText (its blank included) and gives the workspace
// the focus.
void AppendDefinitionFilter(int relation, std::string_view text, bool edgeMarking);

}  // namespace qora
