#include "platform/FieldNumber.h"

#include <cstdio>

namespace qora {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7F'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

FieldNumber ReadFieldNumber(std::string_view text, EmptyField empty, std::int64_t maximum) {
    FieldNumber number;
    const std::string_view digits = TrimBlanks(text);
    for (char c : digits) {
        if (c < '0' || c > '9') return number;  // invalid; keeps the digits read so far
        const int digit = c - '0';
        if (number.value > (maximum - digit) / 10) return number;  // too large
        number.value = number.value * 10 + digit;
    }
    number.valid = !digits.empty() || empty == EmptyField::IsZero;
    return number;
}

std::string FormatFieldNumber(std::int64_t value, int columns) {
    char text[48];
    std::snprintf(text, sizeof text, "%*lld", columns < 40 ? columns : 40, static_cast<long long>(value));
    return text;
}

}  // namespace qora
