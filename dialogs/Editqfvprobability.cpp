#include "dialogs/Editqfvprobability.h"

#include <string>

#include "dialogs/FilterText.h"

namespace qora {

namespace {

std::string ProbabilityValueText(int value, std::optional<std::string_view> letters) {
    return letters ? "{" + std::string(*letters) + "}" : std::to_string(value);
}

}  // namespace

void AppendProbabilityFilter(int item, int value1, std::optional<std::string_view> string1, int value2,
                             std::optional<std::string_view> string2) {
    AppendFilterAndBlank(
        NumericFilterText('%', item, ProbabilityValueText(value1, string1), ProbabilityValueText(value2, string2)));
}

}  // namespace qora
