#include "engine/Presentation.h"

#include <gtest/gtest.h>

#include "PresentationTestSetup.h"
#include "engine/Definitions.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

using test::Descending;
using test::Lines;
using Marks = std::vector<MarkRange>;

class PresentationTest : public test::PresentationTestBase {};

// Answers the large-output question with a fixed count and notes the
// questions.
class FakeLargeOutput : public LargeOutputQuestion {
public:
    explicit FakeLargeOutput(std::int32_t answer) : answer_(answer) {}
    std::int32_t Ask(std::int32_t itemCount) override {
        asked.push_back(itemCount);
        return answer_;
    }
    std::vector<std::int32_t> asked;

private:
    std::int32_t answer_;
};

// `count` different three-letter words, AAA, AAB, ...
std::vector<std::string> ManyWords(int count) {
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i)
        words.push_back(
            {static_cast<char>('A' + i / 676), static_cast<char>('A' + i / 26 % 26), static_cast<char>('A' + i % 26)});
    return words;
}

TEST_F(PresentationTest, WordsAreSortedLaidOutAndTheirBlanksMarked) {
    FillSlate({"TEA", "cAT", "AcT", "QI"});
    EXPECT_EQ((Lines{"AcT", "cAT", "QI", "TEA"}), Present());
    EXPECT_EQ((std::vector<Marks>{{{1, 1}}, {{0, 1}}, {}, {}}), sink.Marks);

    SetSortKeys({Descending(SortKeyKind::Length)});
    settings.OutputLayout = LayoutColumnsMinimal;
    settings.CharactersSwitch = 0;
    settings.MaximumWidth = 2;
    settings.RowsPerPage = 1;
    context.SeparatorLine = "-------";
    EXPECT_EQ((Lines{"AcT cAT", "-------", "TEA QI"}), Present());
    EXPECT_EQ((Marks{{1, 1}, {4, 1}}), sink.Marks[0]);
}

TEST_F(PresentationTest, CountingKinds) {
    FillSlate({"AT", "CAT", "QI", "ZA"});
    settings.PresentationKind = PresentationCountOnly;
    EXPECT_EQ((Lines{"  4 words"}), Present());
    settings.PresentationKind = PresentationCountQuestion;
    settings.PresentationCount = 2;
    EXPECT_EQ((Lines{"AT", "CAT"}), Present()) << "no title: the count is the user's";
    settings.PresentationCount = 2000000000;
    EXPECT_EQ(4u, Present().size());
    settings.PresentationKind = PresentationCountWith;
    settings.PresentationCount = 1;
    EXPECT_EQ((Lines{"AT $2 %54 &0 <- >-"}), Present()) << "everything; no lexicon, so no anagrams or hooks";

    ClearWordlist(Slate);
    AppendWordlistItem(Slate, "AEI?RST", true);
    settings.PresentationKind = PresentationCountOnly;
    EXPECT_EQ((Lines{"  1 string"}), Present());
}

TEST_F(PresentationTest, SwitchesAndKindsAnnotateEachWord) {
    TestLexiconFolder lexicons;
    lexicons.Add("ENGLISH.QLX", {"ACT", "CAT", "CATS", "SCAT", "ZAX"});
    lexicons.Load();
    LoadDefinitions(WriteFile("defs.txt", "CAT a small carnivore\n"));
    FillSlate({"cAT", "ZAX"});
    settings.ZeroScoringBlanks = 1;
    const struct {
        std::uint32_t switches;
        PresentationKind kind;
        Lines expected;
    } cases[] = {
        {SwitchScores, PresentationEveryWord, {"cAT $2", "ZAX $19"}},
        {SwitchProbability | SwitchAnagramCount, PresentationEveryWord, {"cAT %108 &2", "ZAX %9 &1"}},
        {SwitchHooks | SwitchDefinitions, PresentationEveryWord, {"cAT <S >S \"a small carnivore\"", "ZAX <- >-"}},
        {0, PresentationWithDefinitions, {"cAT \"a small carnivore\"", "ZAX"}},
        {0, PresentationWithHooks, {"cAT <S >S", "ZAX <- >-"}},
        {SwitchHooks, PresentationWithScoresAndProbabilities, {"cAT $2 %108 <S >S", "ZAX $19 %9 <- >-"}},
        {0, PresentationCountWith, {"cAT $2 %108 &2 <S >S \"a small carnivore\"", "ZAX $19 %9 &1 <- >-"}},
    };
    settings.PresentationCount = 9;
    for (const auto& c : cases) {
        settings.PresentationSwitches = c.switches;
        settings.PresentationKind = c.kind;
        EXPECT_EQ(c.expected, Present()) << "case " << &c - cases;
        EXPECT_EQ((Marks{{0, 1}}), sink.Marks[0]) << "only the word's letters are marked";
    }
}

TEST_F(PresentationTest, CanonicalResultsAndAnagramGroupsUseTheWordOutputOrdering) {
    FillSlate({"CAT", "ACT", "EAT", "AtE", "QI"});
    settings.ResultKind = ResultKindCanonicalWords;
    settings.CanonicalOutputOrder = "AEIOU BCDFGHJKLMNPQRSTVWXYZ";
    EXPECT_EQ((Lines{"A CT", "AE t", "A CT", "AE T", "I Q"}), Present());
    EXPECT_EQ((Marks{{3, 1}}), sink.Marks[1]) << "the blank-matched T moves with its letter";

    settings.ResultKind = ResultKindWords;
    settings.PresentationKind = PresentationAnagramGroups;
    EXPECT_EQ((Lines{"A CT: ACT CAT", "AE T: AtE EAT", "I Q: QI"}), Present());
    EXPECT_EQ((Marks{{7, 1}}), sink.Marks[1]);

    ClearWordlist(Slate);
    AppendWordlistItem(Slate, "AEI?RST", true);
    settings.PresentationKind = PresentationEveryWord;
    settings.ResultKind = ResultKindCanonicalWords;
    settings.PresentationSwitches = SwitchScores;
    EXPECT_EQ((Lines{"AEI?RST"}), Present()) << "strings are shown as they are";
}

TEST_F(PresentationTest, SpanishDoubleTilesAreShownAndMarkedWhole) {
    SetLanguageTables(Language::Spanish);
    std::string blankCh = DisplayToWord("CHICO");
    blankCh[0] = static_cast<char>(blankCh[0] + 32);
    FillSlate({blankCh, DisplayToWord("LLAMA")});
    EXPECT_EQ((Lines{"chICO", "LLAMA"}), Present());
    EXPECT_EQ((Marks{{0, 2}}), sink.Marks[0]);
    settings.PresentationKind = PresentationProbeLetter;
    settings.ProbeWordNumber = 2;
    settings.ProbeLetterPosition = 2;
    EXPECT_EQ((Lines{"Word 2, letter 2: A"}), Present()) << "LL is one tile";
}

TEST_F(PresentationTest, ProbesShowOneWordOrOneLetterOrFail) {
    FillSlate({"AT", "CAT", "qUIZ"});
    SetSortKeys({Descending(SortKeyKind::Length)});
    const struct {
        PresentationKind kind;
        std::int32_t word;
        std::int32_t letter;
        Lines expected;
        std::string error;
    } cases[] = {
        {PresentationProbeWord, 3, 1, {"AT"}, ""},  // numbered in presentation order
        {PresentationProbeLetter, 1, 1, {"Word 1, letter 1: q"}, ""},
        {PresentationProbeColumn, 1, 3, {"Letter 3 of words 1 to 3: I T -"}, ""},
        {PresentationProbeWord, 4, 1, {}, "There is no word 4 on the slate"},
        {PresentationProbeWord, 0, 1, {}, "There is no word 0 on the slate"},
        {PresentationProbeLetter, 3, 3, {}, "Word 3 has no letter 3"},
        {PresentationProbeLetter, 1, -1, {}, "Word 1 has no letter -1"},
    };
    for (const auto& c : cases) {
        settings.PresentationKind = c.kind;
        settings.ProbeWordNumber = c.word;
        settings.ProbeLetterPosition = c.letter;
        EXPECT_EQ(c.expected, Present()) << "case " << &c - cases;
        EXPECT_EQ(c.error, result.Error);
        EXPECT_EQ(c.error.empty() ? PresentationEnd::Completed : PresentationEnd::Failed, result.End);
    }
    settings.PresentationKind = PresentationProbeLetter;
    settings.ProbeWordNumber = 1;
    settings.ProbeLetterPosition = 1;
    Present();
    EXPECT_EQ((Marks{{18, 1}}), sink.Marks[0]) << "the blank-matched q of qUIZ";

    ClearWordlist(Slate);
    FillSlate(ManyWords(60));
    settings.PresentationKind = PresentationProbeColumn;
    std::string fifty = "Letter 1 of words 1 to 50:";
    for (int word = 1; word <= 50; ++word) fifty += " A";
    EXPECT_EQ((Lines{fifty}), Present());
    ClearWordlist(Slate);
    Present();
    EXPECT_EQ("There is no word 1 on the slate", result.Error);
}

TEST_F(PresentationTest, LargePresentationsAskHowMuchToShow) {
    FillSlate(ManyWords(501));
    EXPECT_EQ("You are requesting a presentation of 501 items.", LargeOutputRequestText(501));
    const struct {
        std::int32_t answer;
        std::size_t lines;
        std::string first;
    } cases[] = {
        {-1, 501, "AAA"},
        {0, 0, ""},
        {25, 26, "   (first 25 items only)"},
        {1, 2, "   (first 1 items only)"},  // the first item, whatever the probe word number
        {900, 501, "AAA"},
    };
    settings.ProbeWordNumber = 7;
    for (const auto& c : cases) {
        FakeLargeOutput question(c.answer);
        context.LargeOutput = &question;
        const Lines lines = Present();
        EXPECT_EQ((std::vector<std::int32_t>{501}), question.asked);
        EXPECT_EQ(c.lines, lines.size()) << "answer " << c.answer;
        if (!lines.empty()) {
            EXPECT_EQ(c.first, lines[0]);
        }
        EXPECT_EQ(c.answer, ItemsToShow);
    }
}

TEST_F(PresentationTest, SomePresentationsNeverAsk) {
    FakeLargeOutput question(0);
    context.LargeOutput = &question;
    FillSlate(ManyWords(500));
    EXPECT_EQ(500u, Present().size()) << "500 items are not many";
    AddWordToWordlist(Slate, "ZZZ", false);
    context.CommandFileRunning = true;
    EXPECT_EQ(501u, Present().size()) << "from a command file";
    context.CommandFileRunning = false;
    settings.PresentationKind = PresentationCountQuestion;
    settings.PresentationCount = 600;
    EXPECT_EQ(501u, Present().size()) << "the count is given";
    EXPECT_TRUE(question.asked.empty());
}

TEST_F(PresentationTest, EscStopsThePresentationAtTheRefusedLine) {
    FillSlate(ManyWords(600));
    sink.AcceptLimit = 3;
    result = PresentSlate(settings, context, sink);
    EXPECT_EQ(PresentationEnd::Stopped, result.End);
    EXPECT_EQ((Lines{"AAA", "AAB", "AAC"}), sink.Texts);

    FakeLargeOutput question(25);
    context.LargeOutput = &question;
    sink = {};
    sink.AcceptLimit = 0;
    EXPECT_EQ(PresentationEnd::Stopped, PresentSlate(settings, context, sink).End) << "the title line is refused";
}

}  // namespace
}  // namespace qora
