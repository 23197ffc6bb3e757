// Numbers in the text of a field: how a value is shown and how typed text is
// read back.
//
// A number field shows its value right-aligned in a fixed number of columns
// (the printf widths 7, 11, 15, 27). Typed text is read without the blanks and
// control characters at both ends; it must be all decimal digits. Reading stops at the first other
// character, keeping the digits before it, and the text is then invalid. A
// number beyond the field's maximum is invalid as well, so a huge number never
// wraps around. Whether an empty text is a valid 0 is the field's choice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qora {

enum class EmptyField { IsZero, IsInvalid };

struct FieldNumber {
    std::int64_t value = 0;
    bool valid = false;
};

constexpr std::int64_t FieldInt32Max = 2147483647;

FieldNumber ReadFieldNumber(std::string_view text, EmptyField empty, std::int64_t maximum = FieldInt32Max);

// printf("%*lld", columns, value).
std::string FormatFieldNumber(std::int64_t value, int columns);

}  // namespace qora
