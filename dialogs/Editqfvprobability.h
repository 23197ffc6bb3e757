// The probability filter editor: the operation that types the probability
// filter onto the command line, used by the editor's OK and by the main
// window's probability check box.
#pragma once

#include <optional>
#include <string_view>

namespace qora {

// Appends "/%" with the relation of `item` (0 to 7, dialogs/FilterText.h),
// then a blank, and gives the workspace the focus. Each value is written as
// its string in braces when the string is given ("{QI}": the ways to draw
// those letters), else as the number: item 0 with 100 and "QI" types
// "/%100-{QI} " and " ".
void AppendProbabilityFilter(int item, int value1, std::optional<std::string_view> string1, int value2,
                             std::optional<std::string_view> string2);

}  // namespace qora
