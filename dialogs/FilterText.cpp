#include "dialogs/FilterText.h"

#include "platform/qt/Focus.h"
#include "processor/Console.h"

namespace qora {

namespace {

int NumericItemInRange(int item) { return item >= 0 && item < NumericRelationItemCount ? item : NumericAtLeastItem; }

}  // namespace

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

void AppendNumericFilter(char letter, int item, int value1, int value2) {
    AppendFilterAndBlank(NumericFilterText(letter, item, std::to_string(value1), std::to_string(value2)));
}

void AppendFilterAndBlank(std::string_view text) {
    AppendToCommandLine(text);
    AppendToCommandLine(" ");
    FocusWorkspace();
}

}  // namespace qora
