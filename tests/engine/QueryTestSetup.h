// What the query tests share: a fixture that starts each test from the
// engine's start-up state with a lexicon of the test's words, parses query
// lines with the command parser and evaluates them into the slate, and an
// output that keeps what the evaluation reports.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "engine/QueryEvaluation.h"
#include "engine/Tiles.h"
#include "support/EngineDataFixture.h"
#include "support/TestLexicon.h"

namespace qora::test {

class RecordingOutput final : public QueryOutput {
public:
    void WriteLine(const std::string& line) override { Lines.push_back(line); }
    void ReportError(const std::string& message) override { Errors.push_back(message); }
    void ShowProgress(const std::string& status) override { Progress.push_back(status); }

    std::vector<std::string> Lines;
    std::vector<std::string> Errors;
    std::vector<std::string> Progress;
};

class QueryTest : public EngineDataTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the primary lexicon of the words (display text lines).
    void UseLexicon(const std::vector<std::string>& lines, Language language = Language::English);

    // Parses a query line with the built-in settings; fails the test on a
    // parse error.
    ParsedCommand Parse(const std::string& line);

    // Parses and evaluates a line; the evaluation's report is in Output.
    QueryEnd Evaluate(const std::string& line);

    // The slate's items with their blank-matched tiles in lower case.
    static std::vector<std::string> SlateItems();

    // The slate after evaluating a line that must complete.
    std::vector<std::string> Query(const std::string& line);

    static void SetSlate(const std::vector<std::string>& items);

    RecordingOutput Output;
    std::atomic<bool> Stop{false};
    std::string Mapping;

private:
    TestLexiconFolder folder_;
    bool lexiconLoaded_ = false;
};

}  // namespace qora::test
