// What the ordering and presentation tests share: the engine's start-up
// state with the built-in settings, a slate filled from words, and a sink
// that records the presented lines (and can refuse them, as Esc does).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Ordering.h"
#include "engine/Presentation.h"
#include "engine/QueryRecords.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "support/EngineDataFixture.h"

namespace qora::test {

using Lines = std::vector<std::string>;

class RecordingSink : public PresentationSink {
public:
    // Lines accepted before the sink refuses every further line; -1 never.
    int AcceptLimit = -1;
    Lines Texts;
    std::vector<std::vector<MarkRange>> Marks;

    bool WriteLine(std::string_view text, std::span<const MarkRange> blankMarks) override {
        if (AcceptLimit >= 0 && static_cast<int>(Texts.size()) >= AcceptLimit) return false;
        Texts.emplace_back(text);
        Marks.emplace_back(blankMarks.begin(), blankMarks.end());
        return true;
    }
};

class PresentationTestBase : public EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ResetProgramState();
        settings = BuiltInSettings();
    }
    void TearDown() override {
        ResetProgramState();
        EngineDataTest::TearDown();
    }

    // Adds results to the slate (lower-case tiles were matched by a blank).
    static void FillSlate(const std::vector<std::string>& words) {
        for (const std::string& word : words) AddWordToWordlist(Slate, word, false);
    }

    void SetSortKeys(const std::vector<SortKey>& keys) {
        settings.SortKeyCount = static_cast<std::int32_t>(keys.size());
        std::copy(keys.begin(), keys.end(), settings.SortKeys.begin());
    }

    // The slate's words in the order of the settings' sort keys.
    Lines SortedWords() {
        Lines words;
        for (std::int32_t index : SortSlate(settings)) words.emplace_back(Slate.Items().Text(index));
        return words;
    }

    Lines Present() {
        sink = {};
        result = PresentSlate(settings, context, sink);
        return sink.Texts;
    }

    Settings settings;
    PresentationContext context;
    RecordingSink sink;
    PresentationResult result;
};

constexpr SortKey Ascending(SortKeyKind key) { return {key, false}; }
constexpr SortKey Descending(SortKeyKind key) { return {key, true}; }

}  // namespace qora::test
