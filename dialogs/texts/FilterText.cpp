#include "dialogs/texts/FilterText.h"

#include "engine/Probability.h"
#include "platform/ProgramState.h"
#include "processor/Settings.h"

namespace qora {

namespace {

int NumericItemInRange(int item) { return item >= 0 && item < NumericRelationItemCount ? item : NumericAtLeastItem; }

}  // namespace

int SetRelationItem(std::int32_t code) {
    const int item = RelationCodeToItemIndex(code) - 2;
    return item >= 0 && item < SetRelationItemCount ? item : NumericAtLeastItem - 2;
}

bool NumericRelationHolds(int item, std::int64_t value1, std::int64_t value2) {
    switch (item) {
        case 0: return value1 <= value2;
        case 1: return value1 < value2;
        case 2: return value1 > 0;
        default: return true;
    }
}

bool WordLengthRelationHolds(int item, std::int64_t value1, std::int64_t value2, int maxWordLength) {
    if (!NumericRelationHolds(item, value1, value2)) return false;
    switch (item) {
        case 3: return value1 >= 2;
        case 5:
        case 6: return value1 <= maxWordLength;
        case 7: return value1 < maxWordLength;
        default: return true;
    }
}

std::string NumericRelationText(int item, std::string_view value1, std::string_view value2) {
    const std::string a(value1);
    const std::string b(value2);
    switch (NumericItemInRange(item)) {
        case 0: return a + "-" + b;
        case 1: return a + "<" + b;
        case 2: return "<" + a;
        case 3: return "<=" + a;
        case 4: return "!=" + a;
        case 5: return "=" + a;
        case 7: return ">" + a;
        default: return a;
    }
}

std::string NumericFilterText(char letter, int item, std::string_view value1, std::string_view value2) {
    return std::string("/") + letter + NumericRelationText(item, value1, value2) + " ";
}

const char* SetRelationOperator(int item) {
    static const char* const operators[SetRelationItemCount] = {"<", "<=", "!=", "=", ">=", ">"};
    return operators[item >= 0 && item < SetRelationItemCount ? item : NumericAtLeastItem - 2];
}

std::string SetRelationText(int item, std::string_view set) {
    return SetRelationOperator(item) + ("(" + std::string(set) + ")");
}

std::optional<std::int32_t> ProbabilityOfString(std::string_view letters, std::span<const std::int16_t> distribution) {
    const std::optional<LetterCounts> counts = LetterCountsOfText(letters);
    if (!counts) return std::nullopt;
    return CountRackDraws(*counts, distribution);
}

namespace {

std::string ProbabilityValueText(int value, std::optional<std::string_view> letters) {
    return letters ? "{" + std::string(*letters) + "}" : std::to_string(value);
}

}  // namespace

std::string ProbabilityFilterText(int item, int value1, std::optional<std::string_view> string1, int value2,
                                  std::optional<std::string_view> string2) {
    return NumericFilterText('%', item, ProbabilityValueText(value1, string1), ProbabilityValueText(value2, string2));
}

bool HooksDialogFront = true;

namespace {

void ResetHooksDialogFront() { HooksDialogFront = true; }
const ProgramStateReset registerResetHooksDialogFront(ResetHooksDialogFront);

}  // namespace

std::string HooksSetText(const LetterCounts& letters) { return FormatLetterCounts(&letters, 0); }

std::string HooksFilterText(bool front, int relation, const LetterCounts& letters) {
    return std::string("/") + (front ? '<' : '>') + SetRelationText(relation, HooksSetText(letters));
}

std::string BlankSetText(const LetterCounts& letters, bool ignoreVowels) {
    return (ignoreVowels ? "-" : "") + FormatLetterCounts(&letters, 9);
}

std::string BlankFilterText(int relation, const LetterCounts& letters, bool ignoreVowels) {
    return "/:" + SetRelationText(relation, BlankSetText(letters, ignoreVowels));
}

std::string TypedDefinitionText(std::string_view stored) {
    const bool blankFirst = !stored.empty() && stored.front() == ' ';
    const bool blankLast = !stored.empty() && stored.back() == ' ';
    if (blankFirst) stored.remove_prefix(1);
    // A single blank is both ends at once and is removed only once.
    if (blankLast && !stored.empty()) stored.remove_suffix(1);
    return std::string(blankFirst ? "" : "|") + std::string(stored) + (blankLast ? "" : "|");
}

std::string DefinitionFilterText(int relation, std::string_view text, bool edgeMarking) {
    const std::string written = edgeMarking && !text.empty() ? TypedDefinitionText(text) : std::string(text);
    return "/\"" + std::string(relation == 0 ? "" : "!") + written + "\" ";
}

}  // namespace qora
