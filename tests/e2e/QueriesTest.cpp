// Queries end to end: each query mode, each filter, sets and word
// references in queries, the word source and slate updates, and queries that
// find nothing, everything, fail or are stopped.
#include "e2e/HeadlessFixture.h"
#include "engine/Listings.h"
#include "processor/Executor.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

using Expectations = std::vector<std::pair<std::string, std::string>>;

class QueriesTest : public HeadlessTest {
protected:
    // Every line gives exactly its expected output.
    void ExpectAll(const Expectations& expectations) {
        for (const auto& [line, output] : expectations) EXPECT_EQ(Presented(line), output) << line;
    }
};

TEST_F(QueriesTest, EveryQueryMode) {
    Start();
    ExpectAll({
        {"AEST /OR1S", "EAST EATS ETAS SATE SEAT TEAS\n"},
        {"C?T /OR1S", "aCT CaT TaC\n"},  // blank-matched letters in lower case
        {"C* /OR1S /OW200C",
         "aCt aCts Caret Caster Cat Cater Cats Crate Crates reaCt reaCts reCast sCat taC traCe traCes\n"},
        {".AT /OR1S", "cAT eAT qAT sAT\n"},  // "." makes a pattern
        {"/Q2 ?A* /OR1S /OW200C",
         "cAret cAster cAt cAter cAts eAst eAt eAts qAt rAte rAtes sAt sAte tA tAc tAre tAres\n"},  // "*" takes blanks
        {"/Q3 EA /OR1S", "EAst EAt EAts rEAct rEActs sEAt tEA tEAr tEArs tEAs\n"},
        {"/Q4 CAT /OR1S", "ACTs CAreT CAsTer CrATe CrATes reACT reACTs reCAsT TrACe TrACes\n"},
        {"/Q5 CATEAT /OR,1S /OW200C",
         "ACT ATE, ACT EAT, ACT ETA, ACT TEA, ATE CAT, ATE TAC, CAT EAT, CAT ETA, CAT TEA, EAT TAC, ETA TAC, "
         "TAC TEA\n"},
        {"ACT,S /OR1S", "ACT ACTS CAT CATS SCAT TAC\n"},  // a rack part may or may not be used
        {"ACT,S! /OR1S", "ACTS CATS SCAT\n"},
        {"AEST,C! /OR1S", ""},
    });
}

TEST_F(QueriesTest, EveryFilter) {
    WriteFile("TWLdefs.txt", "CAT a small carnivore, noun\nTEA a beverage, noun\nEAT to consume, verb\n");
    Start();
    ExpectAll({
        {"AET?/|=4 /OR1S", "EAsT EATs ETAs rATE sATE sEAT TArE TEAr TEAs\n"},
        {"AET* /|>5 /OR1S", "cAsTEr crATEs rEAcTs rEcAsT TrAcEs\n"},
        {"C?T/$5 /OR1S", "aCT CaT TaC\n"},
        {"C?T/Z/$5 /OR1S", ""},  // zero-scoring blanks
        {"Q?/Q2/$>=11 /OR1S", "Qi\n"},
        {"AET?/%>1000 /OR1S", "EAsT EATs ETAs rATE sATE sEAT TArE TEAr TEAs\n"},
        {"AET?/%<{EAST} /OR1S", ""},
        {"AET/&=4 /OR1S", "ATE EAT ETA TEA\n"},
        {"ACT?/&=3 /OR1S", "ACTs CATs sCAT\n"},
        {"AET/<=(S) /OR1S", "EAT\n"},
        {"AET/>>=(S) /OR1S", "EAT ETA TEA\n"},
        {"AET/\"noun\" /OR1S", "TEA\n"},
        {"AET/\"!noun\" /OR1S", "ATE EAT ETA\n"},
        {"AE?"
         "?/Q2/:=(ST) /OR1S",
         ""},
        {"?ATE/:=(R) /OR1S", "rATE TArE TEAr\n"},
        {"CAT?/:<=(-S) /OR1S", "ACTs CATs sCAT\n"},
        {"/Q5 CATEAT/#=1 /OR1S", ""},
        {"AET/#=1 /OR1S", "ATE EAT ETA TEA\n"},
    });
}

TEST_F(QueriesTest, SetsAndWordReferencesInQueries) {
    Start();
    EXPECT_EQ(RunCommands("/4U=(.AT)\n/5U=(CAT?)\n"),
              "QORA?: /4U=(.AT)\n"
              "  Set 4 is now CEQS\n"
              "\n"
              "QORA?: /5U=(CAT?)\n"
              "  Set 5 is now 1S\n"
              "\n"
              "QORA?: \n");
    ExpectAll({
        {"(4)AT /OR1S", "ACT ATE CAT EAT ETA QAT SAT TAC TEA\n"},
        {"2(V)T /OR1S", "ATE EAT ETA TEA\n"},
        {"AET? /OR1S", "EAsT EATs ETAs rATE sATE sEAT TArE TEAr TEAs\n"},
        {"(=)AET /OR1S", "EAST EATS ETAS RATE SATE SEAT TARE TEAR TEAS\n"},  // the letters those blanks matched
        {"CAT /OR1S", "ACT CAT TAC\n"},
        {"/1W /OR1S", "  Wordlist 1 now holds 3 items\nACT CAT TAC\n"},
        {"[]S /[1 /OR1S", "ACTS CATS SCAT\n"},
        {"[~] /[1 /OR1S", "ACT CAT TAC\n"},
        {"/W1 ?AT /OR1S", "AcT cAT TAc\n"},  // searching wordlist 1 instead of the lexicon
    });
    EXPECT_NE(RunCommands("(9)AT\n").find("QORA?: (9)AT\n"
                                          "Error - There is no user-defined set 9\n"
                                          "Error on line 1 of command file test.cmd\n"),
              std::string::npos);
}

TEST_F(QueriesTest, SlateUpdatesCombineTheResultWithTheSlate) {
    Start();
    ExpectAll({
        {"CAT /OR1S", "ACT CAT TAC\n"},
        {"TEA/N1 /OR1S", "ACT ATE CAT EAT ETA TAC TEA\n"},
        {"ACT/N2 /OR1S", "ATE EAT ETA TEA\n"},
        {"?ET/N3 /OR1S", "aTE EaT ETa TEa\n"},
        {"AE/N3 /OR1S", ""},
    });
}

TEST_F(QueriesTest, QueriesThatFindNothingOrEverythingOrFail) {
    Start();
    EXPECT_EQ(Presented("ZZZZ"), "");
    EXPECT_EQ(Presented("32?"), "") << "no word has 32 tiles";
    EXPECT_EQ(Presented("* /P2"), FormatText("  %d words\n", static_cast<int>(SmallWords.size())))
        << "the wild card alone finds the whole lexicon";
    EXPECT_NE(RunCommands("ABCDEFGHIJKLMNOPQRSTUVWXY/B\n").find("Error - The 5 x 5 grid solver is not available."),
              std::string::npos);
}

TEST_F(QueriesTest, EscStopsASearch) {
    AddLexicon("ENGLISH.QLX", RandomWordLines(5, Language::English, 3000, 2, 9));
    Start();
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

}  // namespace
}  // namespace qora::test
