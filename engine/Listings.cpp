#include "engine/Listings.h"

#include <cstdarg>
#include <cstdio>

namespace qora {

std::string FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}

int DecimalWidth(int number) {
    int width = 1;
    while (number >= 10) {
        number /= 10;
        ++width;
    }
    return width;
}

}  // namespace qora
