// End-to-end tests through the headless runner: a folder of lexicons built in
// the test, which is also the current folder (command files name their
// files relative to it), the processor started on it, and command files run
// on the real threads. Each test compares the whole workspace with the text
// it expects.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "processor/Headless.h"
#include "processor/RuntimeFixture.h"
#include "support/TestLexicon.h"

namespace qora::test {

// A small English lexicon with anagrams, hooks and a few longer words.
inline const std::vector<std::string> SmallWords = {
    "AE",    "AT",    "TA",    "AS",    "ES",     "ER",     "RE",     "ACT",    "CAT",    "TAC",   "EAT",
    "ATE",   "TEA",   "ETA",   "SAT",   "EATS",   "SEAT",   "TEAS",   "EAST",   "ETAS",   "SATE",  "CATS",
    "ACTS",  "SCAT",  "RATE",  "TEAR",  "TARE",   "RATES",  "STARE",  "TEARS",  "ASTER",  "TARES", "CRATE",
    "TRACE", "REACT", "CATER", "CARET", "CRATES", "TRACES", "REACTS", "CASTER", "RECAST", "QI",    "QAT",
};

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("QORA_SEED", "20240601", 1);
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(lexicons_.Path());
    }

    void TearDown() override {
        StopHeadless();
        std::filesystem::current_path(previousFolder_);
    }

    void AddLexicon(const std::string& fileName, const std::vector<std::string>& words,
                    Language language = Language::English) {
        lexicons_.Add(fileName, words, language);
        lexiconAdded_ = true;
    }

    // Starts on the folder's lexicons (SmallWords when none was added).
    void Start(const std::string& iniFile = "") {
        if (!lexiconAdded_) AddLexicon("ENGLISH.QLX", SmallWords);
        ASSERT_EQ(StartHeadless({".", iniFile}), "");
    }

    static void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }

    static std::string ReadFile(const std::string& name) {
        std::ifstream file(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Writes the lines as "test.cmd", runs it and returns the workspace, one
    // line per text line.
    std::string RunCommands(const std::string& commands) {
        WriteFile("test.cmd", commands);
        bool ended = false;
        WithinDeadline([&] { ended = RunHeadlessCommandFile("test.cmd", std::chrono::seconds(30)); });
        EXPECT_TRUE(ended) << "the command file did not end";
        return Workspace();
    }

    // Performs one typed line and returns the workspace.
    std::string Perform(const std::string& line) {
        bool ended = false;
        WithinDeadline([&] { ended = PerformHeadlessLine(line, std::chrono::seconds(30)); });
        EXPECT_TRUE(ended) << "the line did not end";
        return Workspace();
    }

    // What the line, performed from a command file, wrote after its echo and
    // before the separator line and the new prompt that end a search.
    std::string Presented(const std::string& line) {
        const std::string before = Workspace();
        const std::string after = RunCommands(line + "\n");
        std::string output = after.substr(before.size() - std::string("QORA?: \n").size());
        output = output.substr(output.find('\n') + 1);
        const std::string ending = SeparatorLine() + "\nQORA?: \n";
        EXPECT_TRUE(output.ends_with(ending)) << output;
        return output.substr(0, output.size() - std::min(output.size(), ending.size()));
    }

    static std::string Workspace() {
        std::string text;
        for (const std::string& line : HeadlessWorkspace()) text += line + "\n";
        return text;
    }

private:
    TestLexiconFolder lexicons_;
    std::filesystem::path previousFolder_;
    bool lexiconAdded_ = false;
};

}  // namespace qora::test
