// What the Add Query Constituent dialog types (dialogs/QueryConstituentTexts).
#include "dialogs/texts/QueryConstituentTexts.h"

#include <gtest/gtest.h>

#include "support/StartUpStateTest.h"

namespace qora {
namespace {

using QueryConstituentTexts = test::StartUpStateTest;

// rack part, count, required, presence, all members
ConstituentMarks Marks(bool rack, int count, bool required, int presence = NoRestriction, bool all = false) {
    return {rack, count, required, presence, all};
}

TEST_F(QueryConstituentTexts, PresenceLettersAndBlanks) {
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {PresenceText(Marks(false, 1, false, FirstTimeAnyLetter)), "(+)"},
        {PresenceText(Marks(false, 1, true, RepeatedAnyLetter)), "(-)"},  // no requirement mark
        {PresenceText(Marks(false, 2, false, RepeatedAnyLetter)), "2(-)"},
        {PresenceText(Marks(false, 0, false, FirstTimeAnyLetter)), "0(+)"},
        {PresenceText(Marks(true, 1, false, FirstTimeAnyLetter)), " (+)"},  // a rack part cannot hold it
        {LetterText(Marks(false, 1, false), "A"), "A"},
        {LetterText(Marks(false, 3, true), "A"), "3A!"},
        {LetterText(Marks(true, 1, false), "CH"), " CH"},
        {LetterText(Marks(false, 0, false), "A"), "0A"},
        {LetterText(Marks(false, 1, false, FirstTimeCertainLetters), "A"), "(+A)"},
        {LetterText(Marks(false, 1, true, FirstTimeCertainLetters), "A"), "(+A!)"},
        {LetterText(Marks(false, 2, false, FirstTimeCertainLetters), "E"), "2(+E)"},
        {LetterText(Marks(false, 2, true, FirstTimeCertainLetters), "X"), "2(+X!)"},
        {LetterText(Marks(false, 1, false, RepeatedCertainLetters), "S"), "(-S)"},
        {LetterText(Marks(false, 0, true, RepeatedCertainLetters), "S"), "0(-S!)"},
        {BlankText(Marks(false, 1, false), LetterScoringBlank, false), "?"},
        {BlankText(Marks(false, 2, true), LetterScoringBlank, false), "2?!"},
        {BlankText(Marks(false, 1, false), PatternImplyingBlank, true), "."},
        {BlankText(Marks(false, 3, true), PatternImplyingBlank, false), "3.!"},
        {BlankText(Marks(false, 1, false), ZeroScoringBlank, false), "?/Z"},
        {BlankText(Marks(false, 1, false), ZeroScoringBlank, true), "?"},
        {BlankText(Marks(true, 2, false), LetterScoringBlank, true), " 2?/-Z"},
        {BlankText(Marks(false, 0, true), LetterScoringBlank, true), "*"},  // no "!", no scoring
        {BlankText(Marks(false, 0, true), ZeroScoringBlank, false), "*"},
        {BlankText(Marks(false, 0, false), PatternImplyingBlank, false), "0."},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST_F(QueryConstituentTexts, RackLettersAndBlanksBeginARackPartOnlyOutsideOne) {
    EXPECT_EQ(RackLetterText(false, "Q", false), ",Q");
    EXPECT_EQ(RackLetterText(true, "E", true), "E!");
    EXPECT_EQ(RackLetterText(false, "LL", false), ",LL");
    EXPECT_EQ(RackBlankText(false, false, ZeroScoringBlank, false), ",?/Z");
    EXPECT_EQ(RackBlankText(false, false, LetterScoringBlank, true), ",?/-Z");
    EXPECT_EQ(RackBlankText(false, false, ZeroScoringBlank, true), ",?");
    EXPECT_EQ(RackBlankText(true, true, LetterScoringBlank, false), "?!");
    EXPECT_EQ(RackBlankText(false, true, ZeroScoringBlank, false), ",?!/Z");
}

TEST_F(QueryConstituentTexts, WordReferences) {
    struct Case {
        ConstituentMarks marks;
        WordReferenceChoice reference;
        const char* expected;
    };
    const Case cases[] = {
        {Marks(false, 1, false), {}, "[]"},
        {Marks(false, 1, true), {EntireWordReversedKind, true}, "[M~]!"},
        {Marks(false, 0, false), {}, "0[]"},
        {Marks(true, 3, false), {}, " 3[]"},
        {Marks(false, 1, false), {SubwordKind, false, 2, false, 1, true}, "[2-1|]"},
        {Marks(false, 1, false), {SubwordKind, false, 3, false, 3, false}, "[3]"},
        {Marks(false, 1, false), {SubwordKind, false, 3, true, 3, true}, "[3|]"},
        {Marks(false, 1, false), {SubwordKind, false, 3, false, 3, true}, "[3-3|]"},
        {Marks(false, 1, false), {SubwordReversedKind, true, 1, false, 2, true}, "[M~1-2|]"},
        {Marks(false, 2, true), {SubwordKind, true, 4, true, 2, false}, "2[M4|-2]!"},
    };
    for (const Case& c : cases) EXPECT_EQ(WordReferenceText(c.marks, c.reference), c.expected);
}

TEST_F(QueryConstituentTexts, SetTextsTakeTheirOwnMarks) {
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {BuiltInSetText(Marks(false, 1, false), "V"), "(V)"},
        {BuiltInSetText(Marks(true, 2, true, NoRestriction, true), "C-"), " 2(@C-)!"},
        {BuiltInSetText(Marks(false, 1, false, FirstTimeCertainLetters, true), "="), "(+=)"},
        {BuiltInSetText(Marks(false, 1, true, NoRestriction, true), "$3-5"), "(@$3-5)!"},
        {BuiltInSetText(Marks(false, 3, false), "#9"), "3(#9)"},
        {WordBasedSetText(Marks(false, 1, false, NoRestriction, true), "AB.DE"), "(AB.DE)"},
        {WordBasedSetText(Marks(false, 2, true), "RE.AIN"), "2(RE.AIN)!"},
        {WordBasedSetText(Marks(true, 1, false), "ABC?"), " (ABC?)"},
        {SpecifiedSetText(Marks(false, 2, false, NoRestriction, true), "A2EI"), "2(A2EI)"},  // never "@"
        {SpecifiedSetText(Marks(false, 1, true, RepeatedCertainLetters), "3S"), "(-3S)!"},
        {SpecifiedSetText(Marks(false, 1, false, FirstTimeCertainLetters), "1A"), "(+1A)"},
        {AllButSetText(Marks(false, 1, false), "QXZ"), "(!QXZ)"},
        {AllButSetText(Marks(false, 1, false, FirstTimeCertainLetters, true), "AEIOU"), "(+!AEIOU)"},
        {AllButSetText(Marks(false, 1, false), ""), "(!)"},
        {UserDefinedSetText(Marks(false, 1, false), 3), "(3)"},
        {UserDefinedSetText(Marks(false, 2, true, RepeatedCertainLetters, true), 12), "2(@12)!"},
        {UserDefinedSetText(Marks(true, 1, false), 3), "(3)"},  // joins the rack part
        {UserDefinedSetText(Marks(true, 0, false), 3), " 0(3)"},
        {QueryBasedSetText(Marks(false, 1, true), true, -1), "(R-1)"},  // no requirement mark
        {QueryBasedSetText(Marks(false, 1, false), true, 2), "(R2)"},
        {QueryBasedSetText(Marks(false, 2, false), false, -1), "2(S-1)"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST_F(QueryConstituentTexts, TheRepeatCountFieldAndTheBlankKindAtEachShowing) {
    EXPECT_EQ(RepeatCountText(1), "          1");
    EXPECT_EQ(RepeatCountText(12), "         12");
    EXPECT_EQ(RepeatCountText(0), " 0 or more");
    EXPECT_EQ(BlankKindAtActivation(PatternImplyingBlank, true), PatternImplyingBlank);
    EXPECT_EQ(BlankKindAtActivation(LetterScoringBlank, true), ZeroScoringBlank);
    EXPECT_EQ(BlankKindAtActivation(ZeroScoringBlank, false), LetterScoringBlank);
}

TEST_F(QueryConstituentTexts, ASpanishTileIsKeptApartFromTheLinesLastTile) {
    struct Case {
        const char* line;
        const char* text;
        const char* written;
    };
    const Case cases[] = {
        {"C", "H", "h"},   {"AC", "H!", "h!"}, {"L", "L", "l"}, {"L", "LL", "ll"},
        {"R", "RR", "rr"}, {"LLL", "L", "l"},  // LL and L: the last L is single
        {"LL", "L", "L"},  {"CH", "H", "H"},   {"c", "H", "H"}, {"C", "(+H)", "(+H)"},
        {"C", " H", " H"}, {"C", "2H", "2H"},  {"", "H", "H"},  {"/Z ", "L", "L"},
    };
    SetLanguageTables(Language::Spanish);
    for (const Case& c : cases) EXPECT_EQ(KeptApartFromLine(c.line, c.text), c.written) << c.line << " + " << c.text;
    SetLanguageTables(Language::English);
    EXPECT_EQ(KeptApartFromLine("C", "H"), "H");
}

TEST_F(QueryConstituentTexts, TheQueryBasedListsReachTheQuerysLetters) {
    const QueryBasedLists ab = MakeQueryBasedLists(2, 0, 15, Language::English);
    EXPECT_EQ(ab.SameLetter, (std::vector<std::string>{"2nd previous letter of the word", "previous letter of the word",
                                                       "1st letter of the word", "2nd letter of the word"}));
    EXPECT_EQ(ab.SameConstituent,
              (std::vector<std::string>{"2nd previous constituent of the query", "previous constituent of the query",
                                        "1st constituent of the query", "2nd constituent of the query"}));
    const int firstLetter = FirstForwardLine(ab.LetterReach);
    EXPECT_EQ(ab.SameLetter[firstLetter], "1st letter of the word");
    const int ks[] = {-2, -1, 1, 2};
    for (int line = 0; line < 4; ++line) EXPECT_EQ(QueryBasedNumber(line, ab.LetterReach), ks[line]);

    const QueryBasedLists wild = MakeQueryBasedLists(3, 1, 15, Language::Spanish);
    EXPECT_EQ(wild.SameLetter.size(), 28u);
    EXPECT_EQ(wild.SameConstituent.size(), 6u);
    EXPECT_EQ(wild.SameLetter[0], "14th previous tile of the word");
    EXPECT_EQ(wild.SameLetter[12], "2nd previous tile of the word");
    EXPECT_EQ(wild.SameLetter[13], "previous tile of the word");
    EXPECT_EQ(wild.SameLetter[FirstForwardLine(wild.LetterReach)], "1st letter of the word");
    EXPECT_EQ(QueryBasedNumber(FirstForwardLine(wild.LetterReach), wild.LetterReach), 1);
    EXPECT_EQ(wild.SameLetter.back(), "14th letter of the word");

    EXPECT_TRUE(MakeQueryBasedLists(0, 0, 15, Language::English).SameLetter.empty());
    EXPECT_TRUE(MakeQueryBasedLists(1, 1, 0, Language::English).SameLetter.empty()) << "no lexicon";
}

}  // namespace
}  // namespace qora
