// Presenting the slate end to end: layouts, kinds, probes, sort keys,
// lasting settings, the large-output question and Esc. The slate is filled
// from a wordlist file, so that these tests stand apart from the queries.
#include <algorithm>

#include "e2e/HeadlessFixture.h"
#include "engine/Wordlists.h"
#include "processor/Console.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

class PresentationTest : public HeadlessTest {
protected:
    // Starts with the slate holding ten words.
    void StartWithSlate() {
        Start();
        WriteFile("w.wds", "TEA\nEAT\nCATS\nQI\nCAT\nRECAST\nACT\nAE\nTRACES\nRATE\n");
        RunCommands("/FR1W\"w.wds\"/1R\n");
    }
};

TEST_F(PresentationTest, EveryLayout) {
    StartWithSlate();
    const std::string page = SeparatorLine() + "\n";
    for (const auto& [line, lines] : std::vector<std::pair<std::string, std::string>>{
             {"/O1", "ACT\nAE\nCAT\nCATS\nEAT\nQI\nRATE\nRECAST\nTEA\nTRACES\n"},
             {"/OR2S /OW20C", "ACT  AE  CAT  CATS\nEAT  QI  RATE\nRECAST  TEA  TRACES\n"},
             {"/OR,1S /OW20C", "ACT, AE, CAT, CATS,\nEAT, QI, RATE,\nRECAST, TEA, TRACES\n"},
             {"/ORC2S /OW20C", "ACT     AE      CAT\nCATS    EAT     QI\nRATE    RECAST  TEA\nTRACES\n"},
             {"/ORC5W /OW20C", "ACT  AE   CAT\nCATS EAT  QI\nRATE RECAST TEA\nTRACES\n"},
             {"/ORC4X /OW20C", "ACT    AE     CAT\nCATS   EAT    QI\nRATE   RECAST TEA\nTRACES\n"},
             {"/OC2S /OW20C", "ACT   EAT     TEA\nAE    QI      TRACES\nCAT   RATE\nCATS  RECAST\n"},
             {"/OC5W /OC3C", "ACT  EAT  TEA\nAE   QI   TRACES\nCAT  RATE\nCATS RECAST\n"},
             {"/OC4X /OW20C", "ACT    EAT    TEA\nAE     QI     TRACES\nCAT    RATE\nCATS   RECAST\n"},
             {"/OC2S /OW10C /OR8C", "ACT\nAE\nCAT\nCATS\nEAT\nQI\nRATE\nRECAST\n" + page + "TEA\nTRACES\n"},
         }) {
        EXPECT_EQ(Presented(line), lines) << line;
    }
}

TEST_F(PresentationTest, KindsProbesAndWhatIsShownBesideTheWords) {
    WriteFile("TWLdefs.txt", "CAT a small carnivore\n");
    StartWithSlate();
    for (const auto& [line, lines] : std::vector<std::pair<std::string, std::string>>{
             {"/P2", "  10 words\n"},
             {"/P11 /K-L",
              "ACERST: RECAST TRACES\nACST: CATS\nAERT: RATE\nAET: TEA EAT\nACT: CAT ACT\nIQ: QI\nAE: AE\n"},
             {" 2/3 ", "Word 3, letter 2: A\n"},
             {" 1/ ", "Letter 1 of words 1 to 10: A A C C E Q R R T T\n"},
             {" /4 ", "CATS\n"},
             {"/V+S/V+H/V+D 3~", "ACT $5 <- >S\nAE $2 <- >-\nCAT $5 <S >S \"a small carnivore\"\n"},
             {"/P4 /W1 /KA", "ACT\nAE\nCAT \"a small carnivore\"\nCATS\nEAT\nQI\nRATE\nRECAST\nTEA\nTRACES\n"},
         }) {
        EXPECT_EQ(Presented(line), lines) << line;
    }
    // A probe beyond the slate is an error that ends the command file.
    EXPECT_NE(RunCommands(" /11 \n/P2\n")
                  .find("Error - There is no word 11 on the slate\n"
                        "Error on line 1 of command file test.cmd\n"),
              std::string::npos);
}

TEST_F(PresentationTest, SortedCopiesAndExportsFollowTheLastPresentation) {
    StartWithSlate();
    EXPECT_EQ(Presented("/KL-A /OR1S /OW80C"), "QI AE TEA EAT CAT ACT RATE CATS TRACES RECAST\n");
    RunCommands("/2~W/3W\n/FW0~W\"sorted.wds\"\n/FW0W\"plain.wds\"\n");
    EXPECT_EQ(ReadFile("sorted.wds"), "QI\nAE\nTEA\nEAT\nCAT\nACT\nRATE\nCATS\nTRACES\nRECAST\n");
    EXPECT_EQ(ReadFile("plain.wds"), "TEA\nEAT\nCATS\nQI\nCAT\nRECAST\nACT\nAE\nTRACES\nRATE\n")
        << "the slate's own order: the file's";
    EXPECT_EQ(FindWordlist(2)->Items().front().Text, "QI");
    EXPECT_EQ(FindWordlist(3)->Items().front().Text, "TEA");
}

TEST_F(PresentationTest, SettingsLastOnlyWhenMadeLasting) {
    StartWithSlate();
    EXPECT_EQ(Presented("/OR1S /OW80C"), "ACT AE CAT CATS EAT QI RATE RECAST TEA TRACES\n");
    EXPECT_EQ(Presented("/P1"), "ACT\nAE\nCAT\nCATS\nEAT\nQI\nRATE\nRECAST\nTEA\nTRACES\n") << "for one line only";
    EXPECT_EQ(Presented("/OR1S!/OW80C"), "ACT AE CAT CATS EAT QI RATE RECAST TEA TRACES\n");
    EXPECT_EQ(StandingSettings.OutputLayout, LayoutPackedRows);
    EXPECT_EQ(Presented("/K-L ! /P1"), "RECAST TRACES CATS RATE TEA EAT CAT ACT QI AE\n")
        << "a lone \"!\" makes the whole line last";
    EXPECT_EQ(Presented("/P1"), "RECAST TRACES CATS RATE TEA EAT CAT ACT QI AE\n");
}

TEST_F(PresentationTest, LargePresentationsAskHowManyWhenTyped) {
    Start();
    std::vector<int> asked;
    ThreadHooks.AskLargeOutput = [&] {
        asked.push_back(Slate.Count());
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

TEST_F(PresentationTest, EscStopsAPresentationAndTheCommandFiles) {
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
