// Esc stops a search, the drawing of racks and a presentation (and the
// command files); a large presentation asks how many items to show when it
// was typed.
#include <algorithm>
#include <chrono>

#include "e2e/HeadlessFixture.h"
#include "engine/Listings.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

class EscAndLargeOutputTest : public HeadlessTest {};

TEST_F(EscAndLargeOutputTest, EscStopsASearch) {
    AddLexicon("ENGLISH.QLX", RandomWordLines(5, Language::English, 3000, 2, 9));
    Start();
    SearchProgressPace = {std::chrono::milliseconds(0), std::chrono::milliseconds(0)};  // every text shows
    ExecutorHandlers.ShowProgress = [](const std::string& text) {
        if (text.starts_with("WORKING: ")) HandleEscape();
    };
    const std::string workspace = RunCommands("* /P2\n/P2\n");
    EXPECT_TRUE(
        workspace.ends_with("QORA?: * /P2\n"
                            "!!! - You have typed Esc to stop this search prematurely!\n" +
                            SeparatorLine() + "\nQORA?: \n"))
        << workspace;
}

TEST_F(EscAndLargeOutputTest, SearchProgressShowsOnlyOnceASearchRunsLongAndThenSeldom) {
    using std::chrono::hours;
    using std::chrono::milliseconds;
    AddLexicon("ENGLISH.QLX", RandomWordLines(5, Language::English, 3000, 2, 9));
    Start();
    std::vector<std::string> progress;
    ExecutorHandlers.ShowProgress = [&](const std::string& text) { progress.push_back(text); };
    SearchProgressPace = {hours(1), milliseconds(0)};
    RunCommands("* /P2\n");
    EXPECT_EQ(progress, std::vector<std::string>{}) << "a search that ends sooner shows none and clears nothing";
    SearchProgressPace = {milliseconds(0), hours(1)};
    RunCommands("* /P2\n");
    ASSERT_EQ(progress.size(), 2u) << "one text in the time allowed, then the clearing";
    EXPECT_TRUE(progress[0].starts_with("WORKING: "));
    EXPECT_EQ(progress[1], "");
}

TEST_F(EscAndLargeOutputTest, EscStopsTheDrawingOfManyRacks) {
    Start();
    SearchProgressPace = {std::chrono::milliseconds(0), std::chrono::milliseconds(0)};  // every text shows
    std::vector<std::string> progress;
    ExecutorHandlers.ShowProgress = [&](const std::string& text) {
        if (progress.empty()) HandleEscape();
        progress.push_back(text);
    };
    const std::string workspace = Perform("/. 100000 > 3");
    EXPECT_EQ(progress, (std::vector<std::string>{"WORKING: 1000 racks", ""}));
    EXPECT_NE(workspace.find("QORA?: /. 100000 > 3\n"
                             "!!! - You have typed Esc to stop this search prematurely!\n"
                             "  Wordlist 3 now holds 2000 items\n"),
              std::string::npos)
        << workspace;
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
