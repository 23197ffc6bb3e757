// Widget tests of the Word-Building Game's history dialog and browser: the
// game window (its words a list of the test's), and a history file in a
// folder of the test's own (ctest runs the tests side by side).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "WidgetLayout.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingHistory.h"
#include "processor/Console.h"
#include "support/LocalTime.h"
#include "support/WordBuildingGrids.h"

namespace qora {

class WordBuildingHistoryFixture : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        ResetWordBuildingGame();
        ResetConsole();
        folder = std::filesystem::temp_directory_path() /
                 (std::string("qora-") + testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() +
                  "-" + testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                  std::to_string(::getpid()));  // test runs of other worktrees use the folder too
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        WordBuildingClock = [this] { return now; };
        WordBuildingLexicon = test::WordTestsOf(words);
        window = std::make_unique<TWordsmithDlg>();
    }
    void TearDown() override {
        window.reset();
        ResetWordBuildingGame();
        ResetConsole();
        WordBuildingHistoryPath.clear();
        SetLanguageTables(Language::English);
        std::filesystem::remove_all(folder);
        LayoutTest::TearDown();
    }

    // The history file in the test's folder (after the plug-in fixed its own).
    void UseTestHistory() { WordBuildingHistoryPath = (folder / WordBuildingHistoryFileName).string(); }

    // Notes a game of CAT-like words for each player, an hour after the one
    // before; its grid's top row starts with the player's first letter (in
    // upper case), A, T.
    void WriteHistory(const std::vector<std::pair<std::string, std::int32_t>>& games) {
        std::string text;
        for (const auto& [player, score] : games) {
            WordBuildingFinishedGame game;
            const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(player[0])));
            game.letters = test::GridOfColumns({std::string(1, first), "A", "T"});
            game.moves = {0, 1, 2, EndOfWordMove};
            game.wordCount = 1;
            game.totalScore = score;
            game.gameStart = now += 3600;
            game.created = now - 60;
            text += GameRecordText(game, "noted", player);
        }
        std::ofstream(WordBuildingHistoryPath, std::ios::binary) << text;
    }

    std::filesystem::path folder;
    std::time_t now = test::LocalTime(2011, 6, 5, 9);
    int helps = 0;
    std::set<std::string> words{"CAT"};
    std::unique_ptr<TWordsmithDlg> window;
};

}  // namespace qora
