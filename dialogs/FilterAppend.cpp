#include "dialogs/FilterAppend.h"

#include <string>

#include "platform/qt/Focus.h"
#include "processor/Console.h"

namespace qora {

namespace {

// Appends the text and then a single blank, each with AppendToCommandLine,
// then gives the workspace the focus.
void AppendFilterAndBlank(std::string_view text) {
    AppendToCommandLine(text);
    AppendToCommandLine(" ");
    FocusWorkspace();
}

// A numeric filter with its two values in decimal.
void AppendNumericFilter(char letter, int item, int value1, int value2) {
    AppendFilterAndBlank(NumericFilterText(letter, item, std::to_string(value1), std::to_string(value2)));
}

}  // namespace

void AppendWordLengthFilter(int item, int value1, int value2) { AppendNumericFilter('|', item, value1, value2); }
void AppendWordScoreFilter(int item, int value1, int value2) { AppendNumericFilter('$', item, value1, value2); }
void AppendAnagramCountFilter(int item, int value1, int value2) { AppendNumericFilter('&', item, value1, value2); }
void AppendWordCountFilter(int item, int value1, int value2) { AppendNumericFilter('#', item, value1, value2); }

void AppendProbabilityFilter(int item, int value1, std::optional<std::string_view> string1, int value2,
                             std::optional<std::string_view> string2) {
    AppendFilterAndBlank(ProbabilityFilterText(item, value1, string1, value2, string2));
}

void AppendHooksFilter(bool front, int relation, const LetterCounts& letters) {
    AppendFilterAndBlank(HooksFilterText(front, relation, letters));
}

void AppendBlankFilter(int relation, const LetterCounts& letters, bool ignoreVowels) {
    AppendFilterAndBlank(BlankFilterText(relation, letters, ignoreVowels));
}

void AppendDefinitionFilter(int relation, std::string_view text, bool edgeMarking) {
    AppendToCommandLine(DefinitionFilterText(relation, text, edgeMarking));
    FocusWorkspace();
}

}  // namespace qora
