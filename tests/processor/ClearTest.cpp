#include "processor/Clear.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Flashcards.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/Settings.h"
#include "support/EngineDataFixture.h"

namespace qora {
namespace {

// Starts every test with something in each part that Clear can empty: two
// lines of history in the workspace and a command line being typed, two
// history entries, a slate of two words, wordlists 3 and 7 (3 shown as
// flashcards), a user-defined set and settings changed by commands.
class ClearTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ResetProgramState();
        ClearWorkspace();
        WriteOutputLine("CAT");
        WriteOutputLine("ACT");
        WritePromptLine();
        SetCommandLine("AEINRST");
        AddToCommandHistory("/L3");
        AddToCommandHistory("ACT");
        AddWordToWordlist(Slate, "ACT", false);
        AddWordToWordlist(Slate, "CAT", false);
        for (std::int32_t number : {3, 7}) AddWordToWordlist(*ObtainWordlist(number), "TAC", false);
        ASSERT_TRUE(StartFlashcards(3));
        ASSERT_TRUE(DefineUserSet(2, "vowels", {}));
        StandingSettings.RowsPerPage = 12;
        DisplayedSettings.RowsPerPage = 12;
        CurrentBoardSize = 21;
        TileCounts[0] = 20;  // set (B) redefined
    }

    void TearDown() override {
        ResetProgramState();
        EngineDataTest::TearDown();
    }

    static std::vector<std::string> Workspace() {
        std::vector<std::string> text;
        for (const WorkspaceLine& line : WorkspaceLines()) text.push_back(line.Text);
        return text;
    }
};

TEST_F(ClearTest, EachPartGoesOnItsOwn) {
    ClearSelected({.Slate = true, .UserSets = true});
    EXPECT_EQ(Slate.Count(), 0);
    EXPECT_EQ(UserSetCount(), 0);
    EXPECT_EQ(WordlistCount(), 2);
    EXPECT_EQ(Workspace().size(), 4u);
    EXPECT_EQ(CommandHistory.size(), 2u);
    EXPECT_EQ(StandingSettings.RowsPerPage, 12) << "the settings stay unless they are restored";

    ClearSelected({.Workspace = true, .CommandHistory = true});
    EXPECT_EQ(Workspace(), std::vector<std::string>{"QORA?: AEINRST"}) << "the command line stays";
    EXPECT_EQ(CommandLine(), "AEINRST");
    EXPECT_TRUE(CommandHistory.empty());
}

TEST_F(ClearTest, ClearingTheWordlistsStopsTheFlashcardsAndKeepsTheSlate) {
    ClearSelected({.Wordlists = true});
    EXPECT_EQ(WordlistCount(), 0);
    EXPECT_FALSE(FlashcardsActive());
    EXPECT_FALSE(NextFlashcard());
    EXPECT_EQ(NextWordlistItem(SlateNumber, 1), "ACT");
    EXPECT_EQ(FirstFreeWordlistNumber(), 1);
}

TEST_F(ClearTest, RestoringTheInitialSettingsUndoesTheSettingsCommands) {
    std::vector<std::string> calls;
    ExecutorHandlers.ResetLayoutDialogs = [&] { calls.push_back("layout dialogs"); };
    ExecutorHandlers.ShowBagCaption = [&](const std::string& caption) { calls.push_back(caption); };
    ConsoleEditHooks.RecheckCommandLine = [&] {
        EXPECT_EQ(StandingSettings.RowsPerPage, 55) << "the line is checked against the restored settings";
        calls.push_back("recheck");
    };
    ClearSelected({.InitialSettings = true});
    EXPECT_EQ(StandingSettings, BuiltInSettings());
    EXPECT_EQ(DisplayedSettings, StandingSettings);
    EXPECT_EQ(CurrentBoardSize, 15);
    EXPECT_EQ(TileCounts, EnglishTileCounts) << "set (B) is the bag of start-up again";
    EXPECT_EQ(MaxTileCount, 12);
    EXPECT_EQ(calls, (std::vector<std::string>{"Bag of letters (98 of them)", "layout dialogs", "recheck"}));
    EXPECT_EQ(Slate.Count(), 2) << "restoring the settings clears nothing else";
    EXPECT_EQ(CommandLine(), "AEINRST");
}

// What the windows are told, as the commands that change the same parts tell
// them.
TEST_F(ClearTest, TheWindowsHearWhatWasCleared) {
    struct Observer : ConsoleObserver {
        int historyCleared = 0;
        void LineAppended(std::int32_t) override {}
        void LineChanged(std::int32_t) override {}
        void WorkspaceCleared() override {}
        void HistoryAppended(std::int32_t) override {}
        void HistoryCleared() override { ++historyCleared; }
    } observer;
    SetConsoleObserver(&observer);
    int listsRefilled = 0, flashcardStates = 0, rechecks = 0;
    ExecutorHandlers.RefreshListTabs = [&] {
        EXPECT_EQ(UserSetCount(), 0) << "told after the parts are cleared";
        ++listsRefilled;
    };
    ExecutorHandlers.ShowFlashcardState = [&] { ++flashcardStates; };
    ConsoleEditHooks.RecheckCommandLine = [&] { ++rechecks; };

    ClearSelected({.UserSets = true, .CommandHistory = true});
    EXPECT_EQ(observer.historyCleared, 1);
    EXPECT_EQ(listsRefilled, 1);
    EXPECT_EQ(flashcardStates, 0);
    EXPECT_EQ(rechecks, 1) << "the line may name a set that is gone";

    ClearSelected({.Wordlists = true});
    EXPECT_EQ(listsRefilled, 2);
    EXPECT_EQ(flashcardStates, 1);
    EXPECT_EQ(rechecks, 2);
    EXPECT_FALSE(ClearChoice{}.Any());
    SetConsoleObserver(nullptr);
}

}  // namespace
}  // namespace qora
