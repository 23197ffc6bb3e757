// A fresh language, fresh settings and fresh parse results for each parser
// test, and small helpers to read parsed commands.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "engine/Lexicons.h"
#include "engine/Tiles.h"
#include "processor/CommandLine.h"
#include "processor/Parser.h"
#include "processor/ReportError.h"
#include "processor/Settings.h"
#include "support/StartUpStateTest.h"

namespace qora::testing {

class ParserTest : public test::StartUpStateTest {
protected:
    static void UseLanguage(Language language) {
        SetLanguageTables(language);
        LoadBuiltInSettings();
    }

    // Parses with the standing settings; the result's message is kept.
    const ParsedCommand& Parse(std::string_view line) {
        result_ = ParseLine(line, StandingSettings, false, command_);
        return command_;
    }

    // Parses a line that must have neither error nor warning.
    const ParsedCommand& ParseClean(std::string_view line) {
        Parse(line);
        EXPECT_FALSE(result_.Message.has_value())
            << "line [" << line << "]: " << (result_.Message ? PrefixedMessage(*result_.Message) : "");
        return command_;
    }

    // The prefixed message of a line ("" when there is none) and its position.
    std::pair<std::string, int> MessageOf(std::string_view line) {
        Parse(line);
        if (!result_.Message) return {"", 0};
        return {PrefixedMessage(*result_.Message), result_.Message->Position};
    }

    ParsedCommand command_;
    ParseResult result_;
};

// Letter counts of English letters, one per occurrence: "AEE" is A 1, E 2.
inline LetterCounts CountsOf(std::string_view letters) {
    LetterCounts counts{};
    for (char c : letters) ++counts[c - 'A'];
    return counts;
}

// Letter counts by tile number: {{4, 1}} is one tile 4 (Spanish CH).
inline LetterCounts TileCountsOf(std::initializer_list<std::pair<int, int>> tiles) {
    LetterCounts counts{};
    for (auto [tile, count] : tiles) counts[tile - 1] = static_cast<std::int16_t>(count);
    return counts;
}

}  // namespace qora::testing
