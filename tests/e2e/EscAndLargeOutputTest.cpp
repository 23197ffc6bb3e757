// Esc stops a search, the drawing of racks and a presentation (and the
// command files); a large presentation asks how many items to show when it
// was typed.
#include <algorithm>
#include <chrono>
#include <regex>

#include "e2e/HeadlessFixture.h"
#include "engine/Listings.h"
#include "engine/Wordlists.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/ExecutorParts.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

class EscAndLargeOutputTest : public HeadlessTest {};

TEST_F(EscAndLargeOutputTest, EscStopsASearch) {
    AddLexicon("ENGLISH.QLX", RandomWordLines(5, Language::English, 3000, 2, 9));
    Start();
    // Esc typed while the search runs: when its slate reaches 1000 words.
    WordlistProgressHook = [](std::int32_t) { HandleEscape(); };
    const std::string workspace = RunCommands("* /P2\n/P2\n");
    EXPECT_TRUE(
        workspace.ends_with("QORA?: * /P2\n"
                            "!!! - You have typed Esc to stop this search prematurely!\n" +
                            SeparatorLine() + "\nQORA?: \n"))
        << workspace;
}

TEST_F(EscAndLargeOutputTest, ProgressShowsOnlyOnceTheWorkRunsLongAndThenSeldom) {
    using std::chrono::hours;
    using std::chrono::milliseconds;
    AddLexicon("ENGLISH.QLX", RandomWordLines(5, Language::English, 3000, 2, 9));
    Start();
    std::vector<std::string> shown;
    ExecutorHandlers.ShowProgress = [&](const std::string& text) { shown.push_back(text); };
    SearchProgressPace = {hours(1), milliseconds(0)};
    RunCommands("* /P2\n");
    EXPECT_EQ(shown, std::vector<std::string>{}) << "a search that ends sooner shows none and clears nothing";

    // On the main thread a text shows at once, so every text let through is seen.
    SearchProgressPace = {milliseconds(0), hours(1)};
    execution::ProgressReport progress;
    for (const char* text : {"WORKING: A", "WORKING: B", "WORKING: C"}) execution::ShowProgressText(text);
    progress.End();
    EXPECT_EQ(shown, (std::vector<std::string>{"WORKING: A", ""})) << "one text in the time allowed, then the clearing";
}

// Esc ends a long search of a command file at once: the many words found so
// far are not added up first. The lexicon holds every word of 1 to 5
// letters, 12 million of them: a search of them all runs long, and the
// 475254 words beginning with A (18279 end in S) are found before it moves
// on to B.
TEST_F(EscAndLargeOutputTest, EscEndsALongSearch) {
    AddLexiconFile("LONG.QLX", EveryWordLexiconImage(5));
    Start();
    SearchProgressPace = {std::chrono::milliseconds(0), std::chrono::milliseconds(0)};  // every text shows
    bool escaped = false;
    std::vector<std::string> afterEsc;
    ExecutorHandlers.ShowProgress = [&](const std::string& text) {
        if (escaped) {
            afterEsc.push_back(text);
        } else if (text == "WORKING: B") {  // every A word is found
            escaped = true;
            HandleEscape();
        }
    };
    const std::string workspace = RunCommands("/Q2 *S\n");
    EXPECT_TRUE(
        workspace.ends_with("QORA?: /Q2 *S\n"
                            "!!! - You have typed Esc to stop this search prematurely!\n" +
                            SeparatorLine() + "\nQORA?: \n"))
        << workspace;
    EXPECT_EQ(afterEsc, std::vector<std::string>{""}) << "only the progress text cleared";
}

TEST_F(EscAndLargeOutputTest, EscStopsTheDrawingOfManyRacks) {
    Start();
    SearchProgressPace = {std::chrono::milliseconds(0), std::chrono::milliseconds(0)};  // every text shows
    std::vector<std::string> progress;
    ExecutorHandlers.ShowProgress = [&](const std::string& text) {
        if (progress.empty()) HandleEscape();
        progress.push_back(text);
    };
    // The texts reach the window without stopping the drawing, which goes on
    // until it sees the Esc, a thousand racks at a time.
    const std::string workspace = Perform("/. 1000000 > 3");
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(progress.front().ends_with("000 racks")) << progress.front();
    EXPECT_EQ(progress.back(), "");
    const std::regex stopped(
        "QORA\\?: /\\. 1000000 > 3\n"
        "!!! - You have typed Esc to stop this search prematurely!\n"
        "  Wordlist 3 now holds ([0-9]+)000 items\n");
    std::smatch held;
    ASSERT_TRUE(std::regex_search(workspace, held, stopped)) << workspace;
    EXPECT_LT(std::stoi(held[1]), 1000);
}

TEST_F(EscAndLargeOutputTest, LargePresentationsAskHowManyWhenTyped) {
    Start();
    std::vector<int> asked;
    ThreadHooks.AskLargeOutput = [&](std::int32_t itemCount) {
        EXPECT_EQ(itemCount, Slate.Count());
        asked.push_back(itemCount);
        return 3;
    };
    const std::string typed = Perform("/. 600");
    EXPECT_EQ(asked, std::vector<int>{600});
    EXPECT_EQ(typed.substr(typed.find("QORA?: /. 600\n")).substr(14, 24), "   (first 3 items only)\n");
    EXPECT_EQ(HeadlessWorkspace().size(), 7u);

    RunCommands("/P1\n");
    EXPECT_EQ(asked.size(), 1u) << "a command file presents everything without asking";
}

// Stops whatever runs once the workspace has `after` lines.
class EscapeAt final : public ConsoleObserver {
public:
    explicit EscapeAt(std::size_t after) : after_(after) {}
    void LineAppended(std::int32_t row) override {
        if (static_cast<std::size_t>(row) + 1 == after_) HandleEscape();
    }
    void LineChanged(std::int32_t) override {}
    void WorkspaceCleared() override {}
    void HistoryAppended(std::int32_t) override {}

private:
    std::size_t after_;
};

TEST_F(EscAndLargeOutputTest, EscStopsAPresentationAndTheCommandFiles) {
    Start();
    RunCommands("/. 5000 > 1\n");
    const std::size_t before = HeadlessWorkspace().size();
    EscapeAt escape(before + 5);  // once the first presented lines are shown
    SetConsoleObserver(&escape);
    RunCommands("/1R\n/O1\n/P2\n");
    SetConsoleObserver(nullptr);
    const std::vector<std::string> lines = HeadlessWorkspace();
    ASSERT_LT(lines.size(), before + 5000) << "the presentation stopped early";
    EXPECT_EQ(lines.end()[-3], "!!! - You have typed Esc to stop this presentation prematurely!");
    EXPECT_EQ(lines.end()[-2], SeparatorLine());
    EXPECT_EQ(lines.end()[-1], "QORA?: ");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "QORA?: /P2"), 0) << "the command files stopped";
}

}  // namespace
}  // namespace qora::test
