// End-to-end tests through the headless runner: a folder of lexicons built in
// the test, which is also the current folder (command files name their
// files relative to it), the processor started on it, and command files run
// on the real threads. The transcript tests (TranscriptTest.cpp) compare the
// whole workspace with the text they expect; the others check what a
// transcript cannot show.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "games/rules/LetterGridGame.h"
#include "processor/Headless.h"
#include "processor/RuntimeFixture.h"
#include "support/TestLexicon.h"

namespace qora::test {

// The folder of transcript tests (tests/e2e/transcripts), whose lexicons/
// holds the word lists of the test lexicons.
inline const std::filesystem::path TranscriptFolder = QORA_TRANSCRIPT_DIR;

// The lines of a text file; nothing when it cannot be read.
inline std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// A word list of lexicons/ (NAME.txt): ENGLISH is a small English lexicon
// with anagrams, hooks and a few longer words.
inline std::vector<std::string> TestWordList(const std::string& name) {
    return ReadLines(TranscriptFolder / "lexicons" / (name + ".txt"));
}

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

    // Writes any bytes as a lexicon file of the folder (for damaged lexicons).
    void AddLexiconFile(const std::string& fileName, const std::vector<unsigned char>& bytes) {
        lexicons_.AddFile(fileName, bytes);
        lexiconAdded_ = true;
    }

    // Starts on the folder's lexicons (the ENGLISH word list when none was
    // added).
    void Start(const std::string& iniFile = "") {
        if (!lexiconAdded_) AddLexicon("ENGLISH.QLX", TestWordList("ENGLISH"));
        ASSERT_EQ(StartHeadless({".", iniFile, [] { ConnectLetterGridGame(); }}), "");
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
        return RunCommandFile("test.cmd");
    }

    // Runs a command file of the folder as the option -x does and returns
    // the workspace.
    std::string RunCommandFile(const std::string& name) {
        bool ended = false;
        WithinDeadline([&] { ended = RunHeadlessCommandFile(name, std::chrono::seconds(30)); });
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
