#include "processor/ParserMessages.h"

#include <cstdio>

namespace qora {

namespace {

constexpr std::string_view ExpandedSuffix = " of the expanded command";

std::string ShownCharacter(unsigned char c) {
    if (c >= 0x20 && c != 0x7F) return std::string(1, static_cast<char>(c));
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", c);
    return text;
}

}  // namespace

std::string IllegalCharacterMessage(unsigned char c, LinePlace place) {
    std::string text = "\"" + ShownCharacter(c) + "\" (at character " + std::to_string(place.Position);
    if (place.Expanded) text += ExpandedSuffix;
    text += ") is illegal in this command";
    return text;
}

std::string FormatMessage(std::string_view pattern, LinePlace place, std::int64_t n, std::int64_t m,
                          std::string_view s) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("{at}")) {
            text += "at character " + std::to_string(place.Position);
            if (place.Expanded) text += ExpandedSuffix;
            i += 3;
        } else if (rest.starts_with("{n}")) {
            text += std::to_string(n);
            i += 2;
        } else if (rest.starts_with("{m}")) {
            text += std::to_string(m);
            i += 2;
        } else if (rest.starts_with("{s}")) {
            text += s;
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace qora
