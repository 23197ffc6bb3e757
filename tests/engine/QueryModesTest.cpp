// The query modes and what a query does around its search, by hand: blank
// marks, racks, marks and query-based sets, steals and pairs at their edges,
// word references, slate updates, result kinds, the set "=", stopping and
// the errors a query reports.
#include <gtest/gtest.h>

#include <thread>

#include "QueryTestSetup.h"
#include "engine/PatternMatcher.h"
#include "engine/QueryConstituents.h"
#include "engine/TableMatchers.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "support/Waiting.h"

namespace qora::test {
namespace {

using Items = std::vector<std::string>;

const Items Words = {"AT",   "TA",    "CAT",   "ACT",  "COT",  "TACO",    "COAT",    "OCTA",     "CATS",   "ACTS",
                     "SCAT", "TACOS", "COATS", "DOG",  "GOD",  "ABA",     "ABB",     "TOT",      "TOTS",   "EAT",
                     "TEA",  "ATE",   "SEAT",  "EATS", "TEAS", "STEARIN", "NASTIER", "STEARINE", "RETAINS"};

class QueryModes : public QueryTest {
protected:
    void SetUp() override {
        QueryTest::SetUp();
        UseLexicon(Words);
    }
};

TEST_F(QueryModes, AnagramsMarkTheTilesThatOnlyABlankCanMatch) {
    EXPECT_EQ(Query("ACT"), (Items{"ACT", "CAT"}));
    EXPECT_EQ(Query("AEINRST?"), (Items{"STEARINe"}));  // the later E is the blank's
    EXPECT_EQ(Query("CA?"), (Items{"ACt", "CAt"}));
    EXPECT_EQ(Query("COA*"), (Items{"COAt", "COAts", "OCtA", "tACO", "tACOs"}));
    EXPECT_EQ(Query("TO0T"), (Items{"TOT"}));  // zero or more T's
    EXPECT_EQ(Query("0?!OT"), (Items{"cOaT", "cOaTs", "cOT", "OcTa", "TacO", "TacOs", "TOt", "TOts"}));
    EXPECT_EQ(Query("CAT*!"), (Items{"ACTs", "CATs", "CoAT", "CoATs", "oCTA", "sCAT", "TACo", "TACos"}));
    EXPECT_EQ(Query("32?"), Items{});  // longer than any word
}

TEST_F(QueryModes, RackPartsMayBeUsedRequiredOnesMustBe) {
    EXPECT_EQ(Query("CAT,S"), (Items{"ACT", "ACTS", "CAT", "CATS", "SCAT"}));
    EXPECT_EQ(Query("CAT,S!"), (Items{"ACTS", "CATS", "SCAT"}));
    EXPECT_EQ(Query("AT,CO?"), (Items{"ACT", "ACTs", "AT", "ATe", "CAT", "CATs", "COAT", "COATs", "eAT", "OCTA", "sCAT",
                                      "TA", "TACO", "TACOs", "TeA"}));
    // With the blank required, ACT takes its C by the blank.
    EXPECT_EQ(Query("AT,CO?!"), (Items{"AcT", "ACTs", "ATe", "cAT", "CATs", "CoAT", "COATs", "eAT", "OcTA", "sCAT",
                                       "TACo", "TACOs", "TeA"}));
}

TEST_F(QueryModes, PresenceMarksAndQueryBasedSets) {
    EXPECT_EQ(Query("TO(-T)"), (Items{"TOT"}));             // a T already in the word
    EXPECT_EQ(Query("O(+T)(+T)"), Items{});                 // only one T can come first
    EXPECT_EQ(Query("AB(R-1)"), (Items{"ABB"}));            // the letter before again
    EXPECT_EQ(Query("/Q2 (R3)?A"), (Items{"AbA"}));         // the third letter, not known yet
    EXPECT_EQ(Query("AB(S1)"), (Items{"ABA"}));             // the tile of the first constituent
    EXPECT_EQ(Query("(C)(S1)O*"), (Items{"TOT", "TOTs"}));  // the same consonant twice
    EXPECT_EQ(Query("(V)*(S1)"), (Items{"AbA", "stEarinE"}));
}

TEST_F(QueryModes, PatternsAndImbeddedWords) {
    EXPECT_EQ(Query("C.T"), (Items{"CaT", "CoT"}));
    EXPECT_EQ(Query("/Q2 *S"), (Items{"actS", "catS", "coatS", "eatS", "retainS", "tacoS", "teaS", "totS"}));
    EXPECT_EQ(Query("/Q2 C(V)T"), (Items{"CAT", "COT"}));
    EXPECT_EQ(Query("/Q2 AT*"), (Items{"AT", "ATe"}));
    EXPECT_EQ(Query("/Q2 AT*!"), (Items{"ATe"}));
    EXPECT_EQ(Query("/Q3 OAT"), (Items{"cOAT", "cOATs"}));
    // The run the word holds is found wherever it stands; from the last tile
    // back the named constituents are preferred.
    EXPECT_EQ(Query("/Q3 TA"), (Items{"ocTA", "reTAins", "TA", "TAco", "TAcos"}));
    // Hundreds of constituents, as a long line may hold.
    std::string many;
    for (int n = 0; n < 300; ++n) many += "0?";
    EXPECT_EQ(Query("/Q2 " + many + "S"), Query("/Q2 *S"));
}

TEST_F(QueryModes, StealsAddTilesButNeverHoldTheQueryAsARun) {
    // CATS and SCAT hold CAT as a run; CAT adds nothing.
    EXPECT_EQ(Query("/Q4 CAT"), (Items{"ACTs", "CoAT", "CoATs", "oCTA", "TACo", "TACos"}));
    // The rack's S is the query's when another tile is added, not when it is
    // the only one added.
    EXPECT_EQ(Query("/Q4 CAT,S"), (Items{"ACTs", "CoAT", "CoATS", "oCTA", "TACo", "TACoS"}));
    EXPECT_EQ(Query("/Q4 STEARINE"), Items{});
}

TEST_F(QueryModes, TwoWordQueriesGiveEachPairOnceInWordOrder) {
    EXPECT_EQ(Query("/Q5 ACTDOG"), (Items{"ACT DOG", "ACT GOD", "CAT DOG", "CAT GOD"}));
    EXPECT_EQ(SlateItemKind, StringItems);
    EXPECT_EQ(Query("/Q5 ATAT"), (Items{"AT AT", "AT TA", "TA TA"}));
    EXPECT_EQ(Query("/Q5 ACTDO?"), (Items{"ACT DOg", "ACT gOD", "CAT DOg", "CAT gOD"}));
    EXPECT_EQ(Query("/Q5 ATAT/#=1 "), Items{});
    EXPECT_EQ(Query("/Q5 ATAT/#=2 "), (Items{"AT AT", "AT TA", "TA TA"}));
    // Length and score over both words, the word filters on each.
    EXPECT_EQ(Query("/Q5 ACTDOG/|=6 "), (Items{"ACT DOG", "ACT GOD", "CAT DOG", "CAT GOD"}));
    EXPECT_EQ(Query("/Q5 ACTDOG/&=2 "), (Items{"ACT DOG", "ACT GOD", "CAT DOG", "CAT GOD"}));
    EXPECT_EQ(Query("/Q5 ACTDOG/>=( ) "), Items{});  // CAT and ACT have back hooks
}

TEST_F(QueryModes, WordReferencesRunOnceForEveryWordOfTheirSource) {
    SetSlate({"CAT", "DOG"});
    EXPECT_EQ(Query("[]S"), (Items{"ACTS", "CATS", "SCAT"}));
    SetSlate({"CAT", "DOG"});
    EXPECT_EQ(Query("/Q2 []S"), (Items{"CATS"}));
    SetSlate({"CAT"});
    EXPECT_EQ(Query("/Q2 [~]"), Items{});  // TAC
    SetSlate({"CAT"});
    EXPECT_EQ(Query("[2-1|]"), (Items{"AT", "TA"}));  // from the 2nd letter to the last
    SetSlate({"CAT"});
    EXPECT_EQ(Query("/Q2 [~1-2]O"), Items{});  // TAO
    SetSlate({"BZS"});
    EXPECT_EQ(Query("[M]"), (Items{"ACT", "CAT"}));  // B->C Z->A S->T through the rotation
    SetSlate({"AT", "CAT"});
    EXPECT_EQ(Query("/Q2 [3]A"), (Items{"TA"}));  // AT has no 3rd letter
    // Another source, and items that are no words are passed over.
    SetSlate({"DOG"});
    Wordlist& source = *ObtainWordlist(4);
    AppendWordlistItem(source, "TA", false);
    AppendWordlistItem(source, "AT TA", true);
    EXPECT_EQ(Query("/[4 C[]"), (Items{"ACT", "CAT"}));
}

TEST_F(QueryModes, TheResultMeetsTheSlateAsTheUpdateSays) {
    SetSlate({"DOG", "CAT"});
    EXPECT_EQ(Query("/N1 TA"), (Items{"AT", "CAT", "DOG", "TA"}));
    EXPECT_EQ(Query("/N2 ACT"), (Items{"AT", "DOG", "TA"}));
    EXPECT_EQ(Query("/N3 AT*"), (Items{"AT", "TA"}));
    EXPECT_EQ(Query("/N0 GOD"), (Items{"DOG", "GOD"}));
}

TEST_F(QueryModes, ResultKindsAndTheWordSource) {
    EXPECT_EQ(Query("/T2 CAT"), (Items{"ACT"}));  // both words in the alphabetical ordering
    EXPECT_EQ(Query("/T1 CAT"), (Items{"ACT", "CAT"}));
    EXPECT_EQ(SlateItemKind, StringItems);
    Wordlist& list = *ObtainWordlist(9);
    for (const char* word : {"CAT", "TAC", "DOG"}) AppendWordlistItem(list, word, false);
    EXPECT_EQ(Query("/W9 ACT"), (Items{"CAT", "TAC"}));
}

TEST_F(QueryModes, TheBlankMatchesOfTheLastQueryAreSetEquals) {
    Query("CA?");
    LetterCounts expected{};
    expected['T' - '@' - 1] = 1;
    EXPECT_EQ(PreviousBlankMatches(), expected);
    EXPECT_EQ(Query("O(=)(=)"), (Items{"TOT"}));
    EXPECT_EQ(PreviousBlankMatches(), LetterCounts{});  // no blank in that query
    EXPECT_EQ(Query("O(=)(=)"), Items{});
}

TEST_F(QueryModes, SetsResolveThroughUserSetsAndTheLexicon) {
    LetterCountRecord vowels;
    vowels.Counts['A' - '@' - 1] = vowels.Counts['O' - '@' - 1] = 1;
    DefineUserSet(5, "", vowels);
    EXPECT_EQ(Query("CT(5)"), (Items{"ACT", "CAT", "COT"}));
    EXPECT_EQ(Query("CT(@5)"), (Items{"COAT", "OCTA", "TACO"}));
    EXPECT_EQ(Query("(AB.)"), Items{});  // ABA and ABB: A or B, one tile alone
    EXPECT_EQ(Query("/Q2 AB(AB.)"), (Items{"ABA", "ABB"}));
    EXPECT_EQ(Query("/Q2 (TO?)(TO?)"), Items{});  // C, T: no such two-letter word
    EXPECT_EQ(Evaluate("CT(6)"), QueryEnd::Failed);
    EXPECT_EQ(Output.Errors, (Items{"There is no user-defined set 6"}));
}

TEST_F(QueryModes, StoppedSearchesLeaveTheSlateAsItWas) {
    SetSlate({"DOG"});
    Stop = true;
    EXPECT_EQ(Evaluate("*"), QueryEnd::Stopped);
    EXPECT_EQ(Output.Lines, (Items{SearchStoppedText}));
    EXPECT_EQ(SlateItems(), (Items{"DOG"}));
    Stop = false;
    Query("*");
    EXPECT_EQ(Slate.Count(), static_cast<std::int32_t>(Words.size()));
    EXPECT_EQ(Output.Progress.front(), "WORKING: A");
    EXPECT_EQ(Output.Progress.back(), "WORKING: T");
}

TEST_F(QueryModes, FaultsEndTheQueryWithAMessage) {
    SetSlate({"DOG"});
    EXPECT_EQ(Evaluate("/W7 CAT"), QueryEnd::Failed);
    EXPECT_EQ(Output.Errors, (Items{"There is no wordlist 7"}));
    EXPECT_EQ(Evaluate("/[8 []"), QueryEnd::Failed);
    EXPECT_EQ(Output.Errors, (Items{"There is no wordlist 8"}));
    std::string many;  // 65 different sets, each zero or more times
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = static_cast<char>(a + 1); b <= 'Z' && many.size() < 65 * 5; ++b)
            many += std::string("0(") + a + b + ")";
    EXPECT_EQ(Evaluate(many), QueryEnd::Failed);
    EXPECT_EQ(Output.Errors, (Items{"The query has more than 64 different constituents"}));
    EXPECT_EQ(SlateItems(), (Items{"DOG"}));
}

TEST_F(QueryModes, GridQueriesNeedTheGridSolver) {
    const std::string grid = "CATSXCATSXCATSXCATSXCATSX/B/@|/V+S";
    EXPECT_EQ(Evaluate(grid), QueryEnd::Failed);
    EXPECT_EQ(Output.Errors, (Items{NoGridSolverText}));
    std::string letters;
    SolveLetterGrid = [&](std::string_view grid25, const Settings&, const std::atomic<bool>*, Wordlist& result,
                          QueryOutput& output) {
        letters = std::string(grid25);
        output.WriteLine("grid");
        AddWordToWordlist(result, "CATS", false);
        AddWordToWordlist(result, "SCATS", false);
        return true;
    };
    EXPECT_EQ(Evaluate(grid), QueryEnd::Completed);
    EXPECT_EQ(letters, "CATSXCATSXCATSXCATSXCATSX");
    EXPECT_EQ(Output.Lines, (Items{"grid", "Total score = 3"}));  // 4 letters 1, 5 letters 2
    EXPECT_EQ(SlateItems(), (Items{"CATS", "SCATS"}));
}

}  // namespace
}  // namespace qora::test

namespace qora::test {
namespace {

TEST_F(QueryTest, SpanishDoubleTilesAreOneTileEach) {
    UseLexicon({"CHICO", "OCHO", "CALLE", "LLAVE", "CHE"}, Language::Spanish);
    const auto shown = [](const std::vector<std::string>& items) {
        std::vector<std::string> texts;
        for (const std::string& item : items) texts.push_back(TilesToText(item));
        return texts;
    };
    EXPECT_EQ(shown(Query("CHO?")), (std::vector<std::string>{"OCHo"}));
    EXPECT_EQ(shown(Query("/Q2 LL*")), (std::vector<std::string>{"LLave"}));
    EXPECT_EQ(shown(Query("/Q2 C*")), (std::vector<std::string>{"Calle"}));  // CH is no C
    EXPECT_EQ(shown(Query("/Q2 ?E")), (std::vector<std::string>{"chE"}));
}

// An output that tells another thread when the search has begun.
class ProgressSignal final : public QueryOutput {
public:
    void WriteLine(const std::string& line) override { Lines.push_back(line); }
    void ReportError(const std::string& message) override { Lines.push_back(message); }
    void ShowProgress(const std::string&) override { Begun = true; }

    std::vector<std::string> Lines;  // written by the searching thread only
    std::atomic<bool> Begun{false};
};

// `count` constituents `unit`, then `sets` before each of "(S1)" to "(Sn)".
std::string Repeated(const std::string& unit, int count, const std::string& sets = "") {
    std::string line;
    for (int k = 0; k < count; ++k) line += unit;
    for (int k = 1; k <= count && !sets.empty(); ++k) line += sets + "(S" + std::to_string(k) + ")";
    return line;
}

// Passes everything to a matcher, and sets the stop flag (Esc) when the
// matcher is to match a complete word.
class StopAtAccept final : public SearchConstraint {
public:
    StopAtAccept(SearchConstraint& matcher, std::atomic<bool>& stop) : matcher_(matcher), stop_(stop) {}
    TileMask NextTiles(int length) override { return matcher_.NextTiles(length); }
    bool Take(int position, int tile) override { return matcher_.Take(position, tile); }
    void Release(int position, int tile) override { matcher_.Release(position, tile); }
    bool Accept(int length, BlankMarkBits& blanks) override {
        stop_ = true;
        return matcher_.Accept(length, blanks);
    }

private:
    SearchConstraint& matcher_;
    std::atomic<bool>& stop_;
};

// Matching one long word would take the matchers of search tables hours
// here: told to stop as they begin, each gives up the word at once. Every
// loop of theirs that can run long looks at the stop flag: a pattern's
// bindings bound in many ways from either end (the word's ways tried one by
// one), and the copies of blocks taken an open number of times (with
// bindings and without).
TEST_F(QueryTest, MatchersGiveUpAWordWhenStopped) {
    const std::vector<std::string> word = RandomWordLines(3, Language::English, 1, 30, 30);
    UseLexicon(word);
    LetterCountRecord vowels;
    vowels.Counts[0] = vowels.Counts[4] = 1;  // A and E
    DefineUserSet(3, "", vowels);
    for (const std::string& line :
         {"/Q2 " + Repeated("0?", 20, "0"), Repeated("0(@3)*", 6), "?(S-1)?(S-1)" + Repeated("0(@3)", 10) + "*"}) {
        SCOPED_TRACE(line);
        const ParsedCommand command = Parse(line);
        QueryConstituents constituents;
        std::string error;
        ASSERT_TRUE(constituents.Resolve(command, PreviousBlankMatches(), error)) << error;
        const SearchTable table = *constituents.TableFor({}, Mapping);
        std::atomic<bool> stop{false};
        SearchControl control;
        control.Stop = &stop;
        const auto search = [&](SearchConstraint& matcher) {
            StopAtAccept stopping(matcher, stop);
            return SearchLexicon(
                std::span<const std::string>(word), stopping,
                [](const SearchMatch&) { return ADD_FAILURE() << "matched", false; }, control);
        };
        if (command.QuerySettings.QueryMode == QueryModePattern) {
            PatternMatcher matcher(table, &stop, {PatternLimits{}.BoundStates, 0});
            EXPECT_EQ(search(matcher), SearchEnd::Stopped);
        } else {
            EXPECT_EQ(WithAnagramConstraint(table, search, &stop), SearchEnd::Stopped);
        }
    }
}

// Searches that would run on for hours over long words, each in a loop of
// its own: a pattern's bindings bound in many ways from either end (a word
// matched way by way), an imbedded word alike, and the copies of blocks
// taken an open number of times in a steal and an anagram. Esc, typed from
// another thread once the search has begun, ends each, reported as stopped.
TEST_F(QueryTest, EscEndsSearchesOfEveryShape) {
    UseLexicon(RandomWordLines(3, Language::English, 2000, 24, 30));
    LetterCountRecord vowels;
    vowels.Counts[0] = vowels.Counts[4] = 1;  // A and E
    DefineUserSet(3, "", vowels);
    for (const std::string& line : {"/Q2 " + Repeated("0?", 16, "0"), "/Q3 " + Repeated("0(C)", 14, "*"),
                                    "/Q4 " + Repeated("0(@3)", 10), Repeated("0(@3)*", 6)}) {
        SCOPED_TRACE(line);
        Stop = false;
        ProgressSignal output;
        std::thread esc([&] {
            WaitUntil([&] { return output.Begun.load(); });
            Stop = true;
        });
        QueryEnvironment environment;
        environment.LetterMapping = Mapping;
        environment.Stop = &Stop;
        EXPECT_EQ(EvaluateQuery(Parse(line), environment, output), QueryEnd::Stopped);
        esc.join();
        EXPECT_EQ(output.Lines, std::vector<std::string>{SearchStoppedText});
    }
}

}  // namespace
}  // namespace qora::test
