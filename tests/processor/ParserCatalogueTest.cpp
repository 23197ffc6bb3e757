// Every command text that the dialogs, the main window and the games write,
// and every command form of the language reference: each parses without
// error or warning and sets what it implies.
#include <functional>
#include <vector>

#include "ParserFixture.h"

namespace qora::testing {
namespace {

using Check = std::function<void(const ParsedCommand&)>;

struct CatalogueEntry {
    std::string Text;
    Check Expect;
};

const QueryElement& Only(const ParsedCommand& c) {
    EXPECT_EQ(c.QueryElements.size(), 1u);
    return c.QueryElements.front();
}

const CommandAction& OnlyAction(const ParsedCommand& c) {
    EXPECT_EQ(c.Actions.size(), 1u);
    return c.Actions.front();
}

// A letter constituent with its marks.
Check Letter(char letter, int count = 1, bool required = false, char presence = 0) {
    return [=](const ParsedCommand& c) {
        const QueryElement& e = Only(c);
        EXPECT_EQ(c.Kind, CommandKind::Query);
        EXPECT_EQ(e.Kind, ElementKind::Constituent);
        EXPECT_EQ(e.Set.Kind, SetKind::Letter);
        EXPECT_EQ(e.Set.Argument, letter - 'A' + 1);
        EXPECT_EQ(e.Set.Letters.Counts, CountsOf(std::string(1, letter)));
        EXPECT_EQ(e.RepeatCount, count);
        EXPECT_EQ(e.Required, required);
        EXPECT_EQ(e.Set.Presence, presence);
    };
}

Check OneSet(SetKind kind, int count, bool required, char presence, bool all,
             std::function<void(const SetSpec&)> more = {}) {
    return [=](const ParsedCommand& c) {
        const QueryElement& e = Only(c);
        EXPECT_EQ(e.Set.Kind, kind);
        EXPECT_EQ(e.RepeatCount, count);
        EXPECT_EQ(e.Required, required);
        EXPECT_EQ(e.Set.Presence, presence);
        EXPECT_EQ(e.Set.AllMembers, all);
        if (more) more(e.Set);
    };
}

Check SetLetters(SetKind kind, std::string letters, int count = 1, bool required = false, char presence = 0,
                 bool all = false) {
    return OneSet(kind, count, required, presence, all,
                  [=](const SetSpec& s) { EXPECT_EQ(s.Letters.Counts, CountsOf(letters)); });
}

Check Relation(SetKind kind, int code, int v1, int v2, std::string letters, int count = 1, bool required = false,
               bool all = false) {
    return OneSet(kind, count, required, 0, all, [=](const SetSpec& s) {
        EXPECT_EQ(s.Relation, code);
        EXPECT_EQ(s.Value1, v1);
        EXPECT_EQ(s.Value2, v2);
        EXPECT_EQ(s.Letters.Counts, CountsOf(letters));
    });
}

// The last element of the query (earlier ones only give it something to refer to).
Check LastElement(std::function<void(const QueryElement&)> check) {
    return [=](const ParsedCommand& c) {
        ASSERT_FALSE(c.QueryElements.empty());
        check(c.QueryElements.back());
    };
}

Check Reference(bool mapped, bool reversed, int first, bool firstFromEnd, int last, bool lastFromEnd, int count = 1,
                bool required = false) {
    return [=](const ParsedCommand& c) {
        const QueryElement& e = Only(c);
        EXPECT_EQ(e.Kind, ElementKind::WordReference);
        const WordReference& r = e.Reference;
        EXPECT_EQ(r.Mapped, mapped);
        EXPECT_EQ(r.Reversed, reversed);
        EXPECT_EQ(r.Whole, first == 0);
        EXPECT_EQ(r.First, first);
        EXPECT_EQ(r.FirstFromEnd, firstFromEnd);
        EXPECT_EQ(r.Last, last);
        EXPECT_EQ(r.LastFromEnd, lastFromEnd);
        EXPECT_EQ(e.RepeatCount, count);
        EXPECT_EQ(e.Required, required);
    };
}

Check Action(ActionKind kind, std::array<std::int32_t, 5> arguments, std::string text = {}) {
    return [=](const ParsedCommand& c) {
        const CommandAction& a = OnlyAction(c);
        EXPECT_EQ(c.Kind, CommandKind::ActionsOnly);
        EXPECT_EQ(a.Kind, kind);
        EXPECT_EQ(a.Arguments, arguments);
        EXPECT_EQ(a.Text, text);
    };
}

Check Setting(std::function<void(const Settings&)> check) {
    return [=](const ParsedCommand& c) {
        EXPECT_EQ(c.Kind, CommandKind::PresentSlate);
        check(c.QuerySettings);
        EXPECT_EQ(c.PendingSettings, StandingSettings) << "only a lasting \"!\" changes the pending settings";
    };
}

Check Filter(NumericFilter Settings::*filter, int code, int v1, int v2) {
    return Setting([=](const Settings& s) { EXPECT_EQ(s.*filter, (NumericFilter{1, code, v1, v2})); });
}

Check FilterOff(std::function<bool(const Settings&)> active) {
    return Setting([=](const Settings& s) { EXPECT_FALSE(active(s)); });
}

Check HooksFilter(SetFilter Settings::*filter, int code, std::string letters) {
    return Setting([=](const Settings& s) {
        EXPECT_EQ((s.*filter).Active, 1);
        EXPECT_EQ((s.*filter).Relation, code);
        EXPECT_EQ((s.*filter).Letters.Counts, CountsOf(letters));
    });
}

Check BlankFilter(int code, std::string letters, int ignoreVowels) {
    return Setting([=](const Settings& s) {
        EXPECT_EQ(s.BlankFilter.Active, 1);
        EXPECT_EQ(s.BlankFilter.Relation, code);
        EXPECT_EQ(s.BlankFilter.Letters.Counts, CountsOf(letters));
        EXPECT_EQ(s.BlankIgnoreVowels, ignoreVowels);
    });
}

Check Definition(int active, int sense, std::string text) {
    return Setting([=](const Settings& s) {
        EXPECT_EQ(s.DefinitionFilter,
                  (DefinitionFilter{static_cast<std::uint8_t>(active), static_cast<std::uint8_t>(sense), text}));
    });
}

Check Layout(int layout, int parameter) {
    return Setting([=](const Settings& s) {
        EXPECT_EQ(s.OutputLayout, layout);
        EXPECT_EQ(s.LayoutParameter, parameter);
    });
}

Check Width(int workspace, int characters, int width) {
    return Setting([=](const Settings& s) {
        EXPECT_EQ(s.WorkspaceWidthSwitch, workspace);
        EXPECT_EQ(s.CharactersSwitch, characters);
        if (workspace == 0) {
            EXPECT_EQ(s.MaximumWidth, width);
        }
    });
}

Check Main(CommandKind kind, std::array<std::int32_t, 5> arguments, std::string text = {}, std::string second = {}) {
    return [=](const ParsedCommand& c) {
        EXPECT_EQ(c.Kind, kind);
        EXPECT_EQ(c.Arguments, arguments);
        EXPECT_EQ(c.Text, text);
        EXPECT_EQ(c.SecondText, second);
    };
}

Check Presence(PresenceQuestion question, int wordlist, std::string word, std::string lexicon = {}) {
    return [=](const ParsedCommand& c) {
        EXPECT_EQ(c.Kind, CommandKind::WordPresence);
        EXPECT_EQ(c.Arguments[0], question);
        EXPECT_EQ(c.Arguments[1], wordlist);
        EXPECT_EQ(c.Word, word);
        EXPECT_EQ(c.Text, lexicon);
    };
}

Check UserSet(int number, SetKind kind, std::string letters, int label = 0, std::string labelText = {}) {
    return [=](const ParsedCommand& c) {
        const CommandAction& a = OnlyAction(c);
        EXPECT_EQ(a.Kind, ActionKind::DefineUserSet);
        EXPECT_EQ(a.Arguments[0], number);
        EXPECT_EQ(a.Arguments[1], 0);
        EXPECT_EQ(a.Arguments[4], label);
        EXPECT_EQ(a.Text, labelText);
        EXPECT_EQ(a.Set.Kind, kind);
        EXPECT_EQ(a.Set.Letters.Counts, CountsOf(letters));
        EXPECT_EQ(a.Set.Presence, 0);
        EXPECT_FALSE(a.Set.AllMembers);
    };
}

Check JoinedSets(int number, char setOperator, SetKind first, SetKind second) {
    return [=](const ParsedCommand& c) {
        const CommandAction& a = OnlyAction(c);
        EXPECT_EQ(a.Kind, ActionKind::DefineUserSet);
        EXPECT_EQ(a.Arguments, (std::array<std::int32_t, 5>{number, setOperator, 0, 0, 0}));
        EXPECT_EQ(a.Set.Kind, first);
        EXPECT_EQ(a.SecondSet.Kind, second);
    };
}

class ParserCatalogueTest : public ParserTest {
protected:
    void Run(const std::vector<CatalogueEntry>& entries) {
        for (const CatalogueEntry& entry : entries) {
            SCOPED_TRACE("line [" + entry.Text + "]");
            ParseClean(entry.Text);
            entry.Expect(command_);
        }
    }
};

TEST_F(ParserCatalogueTest, LetterAndBlankPages) {
    Run({
        {"A", Letter('A')},
        {"3A!", Letter('A', 3, true)},
        {"0A", Letter('A', 0)},
        {"(+A)", Letter('A', 1, false, '+')},
        {"(+A!)", Letter('A', 1, true, '+')},
        {"2(+E)", Letter('E', 2, false, '+')},
        {"(-S)", Letter('S', 1, false, '-')},
        {"0(-S!)", Letter('S', 0, true, '-')},
        {"2(+X!)", Letter('X', 2, true, '+')},
        {"(+)", OneSet(SetKind::AnyLetter, 1, false, '+', false)},
        {"(-)", OneSet(SetKind::AnyLetter, 1, false, '-', false)},
        {"2(-)", OneSet(SetKind::AnyLetter, 2, false, '-', false)},
        {"0(+)", OneSet(SetKind::AnyLetter, 0, false, '+', false)},
        {"?", OneSet(SetKind::Blank, 1, false, 0, false)},
        {"2?!", OneSet(SetKind::Blank, 2, true, 0, false)},
        {".", OneSet(SetKind::PatternBlank, 1, false, 0, false)},
        {"3.!", OneSet(SetKind::PatternBlank, 3, true, 0, false)},
        {"0.", OneSet(SetKind::PatternBlank, 0, false, 0, false)},
        {"*",
         [](const ParsedCommand& c) {
             EXPECT_EQ(Only(c).Kind, ElementKind::WildCard);
             EXPECT_EQ(Only(c).RepeatCount, 0);
             EXPECT_EQ(c.WildCardCount, 1);
         }},
        {"?/Z",
         [](const ParsedCommand& c) {
             EXPECT_EQ(Only(c).Set.Kind, SetKind::Blank);
             EXPECT_EQ(c.QuerySettings.ZeroScoringBlanks, 1);
         }},
        {"ABC,DE 2?/-Z",
         [](const ParsedCommand& c) {
             ASSERT_EQ(c.QueryElements.size(), 6u);
             EXPECT_FALSE(c.QueryElements[5].InRack) << "the blank ends the rack part";
             EXPECT_EQ(c.QueryElements[5].RepeatCount, 2);
             EXPECT_EQ(c.QuerySettings.ZeroScoringBlanks, 0);
         }},
        {"ABC,DE F",
         [](const ParsedCommand& c) {
             ASSERT_EQ(c.QueryElements.size(), 6u);
             EXPECT_TRUE(c.QueryElements[4].InRack);
             EXPECT_FALSE(c.QueryElements[5].InRack);
             EXPECT_EQ(c.QueryElementCount, 4);
         }},
        {" CH", [](const ParsedCommand& c) { ASSERT_EQ(c.QueryElements.size(), 2u) << "English reads C and H"; }},
    });
}

TEST_F(ParserCatalogueTest, BuiltInScoreAndCountBasedSets) {
    Run({
        {"(V)", SetLetters(SetKind::BuiltIn, "AEIOU")},
        {"(V+)", SetLetters(SetKind::BuiltIn, "AEIOUY")},
        {"(C)", SetLetters(SetKind::BuiltIn, "BCDFGHJKLMNPQRSTVWXYZ")},
        {" 2(@C-)!", SetLetters(SetKind::BuiltIn, "BCDFGHJKLMNPQRSTVWXZ", 2, true, 0, true)},
        {"(A)", SetLetters(SetKind::BuiltIn, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {"(B)", OneSet(SetKind::BuiltIn, 1, false, 0, false,
                       [](const SetSpec& s) {
                           EXPECT_EQ(s.Argument, BuiltInBag);
                           EXPECT_EQ(LetterCountTotal(s.Letters.Counts), 98);
                       })},
        {"(+=)", OneSet(SetKind::BuiltIn, 1, false, '+', false,
                        [](const SetSpec& s) { EXPECT_EQ(s.Argument, BuiltInBlankMatches); })},
        {"(+V+)", OneSet(SetKind::BuiltIn, 1, false, '+', false,
                         [](const SetSpec& s) { EXPECT_EQ(s.Argument, BuiltInVowelsAndY); })},
        {"($3-5)", Relation(SetKind::ScoreBased, RelationRange, 3, 5, "BCFHKMPVWY")},
        {"($1<3)", Relation(SetKind::ScoreBased, RelationHalfOpen, 1, 3, "ADEGILNORSTU")},
        {"($<2)", Relation(SetKind::ScoreBased, RelationBelow, 2, 0, "AEILNORSTU")},
        {"($!=1)", Relation(SetKind::ScoreBased, RelationNotEqual, 1, 0, "BCDFGHJKMPQVWXYZ")},
        {"($=8)", Relation(SetKind::ScoreBased, RelationEqual, 8, 0, "JX")},
        {"(@$>4)!", Relation(SetKind::ScoreBased, RelationAbove, 4, 0, "JKQXZ", 1, true, true)},
        {"(#<=2)", Relation(SetKind::CountBased, RelationAtMost, 2, 0, "BCFHJKMPQVWXYZ")},
        {"3(#9)", Relation(SetKind::CountBased, RelationAtLeast, 9, 0, "AEI", 3)},
        {"(#>=9)", Relation(SetKind::CountBased, RelationAtLeast, 9, 0, "AEI")},
    });
}

TEST_F(ParserCatalogueTest, WordBasedSpecifiedAllButAndUserSets) {
    Run({
        {"(AB.DE)",
         OneSet(SetKind::WordPattern, 1, false, 0, false, [](const SetSpec& s) { EXPECT_EQ(s.Text, "AB.DE"); })},
        {"2(RE.AIN)!",
         OneSet(SetKind::WordPattern, 2, true, 0, false, [](const SetSpec& s) { EXPECT_EQ(s.Text, "RE.AIN"); })},
        {"(re.ain)",
         OneSet(SetKind::WordPattern, 1, false, 0, false, [](const SetSpec& s) { EXPECT_EQ(s.Text, "RE.AIN"); })},
        {"(AB?)", OneSet(SetKind::WordAnagram, 1, false, 0, false, [](const SetSpec& s) { EXPECT_EQ(s.Text, "AB?"); })},
        {"(A2EI)", SetLetters(SetKind::Specified, "AEEI")},
        {"2(A2EI)", SetLetters(SetKind::Specified, "AEEI", 2)},
        {"(-3S)!", SetLetters(SetKind::Specified, "SSS", 1, true, '-')},
        {"(1A)", SetLetters(SetKind::Specified, "A")},
        {"(1M)", SetLetters(SetKind::Specified, "M")},
        {"(2A)", SetLetters(SetKind::Specified, "AA")},
        {"(AB)", SetLetters(SetKind::Specified, "AB")},
        {"(R2S)", SetLetters(SetKind::Specified, "RSS")},
        {"(+1A)", SetLetters(SetKind::Specified, "A", 1, false, '+')},
        {"(!QXZ)", SetLetters(SetKind::AllBut, "ABCDEFGHIJKLMNOPRSTUVWY")},
        {"(+!AEIOU)", SetLetters(SetKind::AllBut, "BCDFGHJKLMNPQRSTVWXYZ", 1, false, '+')},
        {"(!)", SetLetters(SetKind::AllBut, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {"(3)", OneSet(SetKind::UserDefined, 1, false, 0, false, [](const SetSpec& s) { EXPECT_EQ(s.Argument, 3); })},
        {"2(@12)!",
         OneSet(SetKind::UserDefined, 2, true, 0, true, [](const SetSpec& s) { EXPECT_EQ(s.Argument, 12); })},
    });
}

TEST_F(ParserCatalogueTest, QueryBasedSets) {
    auto queryBased = [](SetKind kind, int k, int count = 1) {
        return LastElement([=](const QueryElement& e) {
            EXPECT_EQ(e.Set.Kind, kind);
            EXPECT_EQ(e.Set.Argument, k);
            EXPECT_EQ(e.RepeatCount, count);
        });
    };
    Run({
        {"A(R-1)", queryBased(SetKind::SameLetter, -1)},
        {"AB(R2)", queryBased(SetKind::SameLetter, 2)},
        {"A(R1)", queryBased(SetKind::SameLetter, 1)},
        {"A2(S-1)", queryBased(SetKind::SameConstituent, -1, 2)},
        {"AB(S-2)", queryBased(SetKind::SameConstituent, -2)},
        {"AB(S1)", queryBased(SetKind::SameConstituent, 1)},
        {"*(R9)", queryBased(SetKind::SameLetter, 9)},
    });
}

TEST_F(ParserCatalogueTest, RackParts) {
    auto rack = [](std::size_t elements, std::size_t rackElements) {
        return [=](const ParsedCommand& c) {
            ASSERT_EQ(c.QueryElements.size(), elements);
            std::size_t inRack = 0;
            for (const QueryElement& e : c.QueryElements) inRack += e.InRack ? 1 : 0;
            EXPECT_EQ(inRack, rackElements);
        };
    };
    Run({
        {",Q", rack(1, 1)},
        {"AEIRST,Q", rack(7, 1)},
        {"AEIRST,QE!",
         [](const ParsedCommand& c) {
             ASSERT_EQ(c.QueryElements.size(), 8u);
             EXPECT_TRUE(c.QueryElements[7].Required);
             EXPECT_TRUE(c.QueryElements[7].InRack);
         }},
        {"AEIRST,Q ,Z", rack(8, 2)},
        {",?/Z",
         [](const ParsedCommand& c) {
             EXPECT_TRUE(Only(c).InRack);
             EXPECT_EQ(c.QuerySettings.ZeroScoringBlanks, 1);
         }},
        {",?/-Z", rack(1, 1)},
        {",?", rack(1, 1)},
        {",?!", rack(1, 1)},
        {",?/ZAB", rack(3, 3)},
        {"AB,2(V)(3)", rack(4, 2)},
    });
}

TEST_F(ParserCatalogueTest, WordReferences) {
    Run({
        {"[]", Reference(false, false, 0, false, 0, false)},
        {"[M~]!", Reference(true, true, 0, false, 0, false, 1, true)},
        {"0[]", Reference(false, false, 0, false, 0, false, 0)},
        {" 3[]", Reference(false, false, 0, false, 0, false, 3)},
        {"[2-1|]", Reference(false, false, 2, false, 1, true)},
        {"[3]", Reference(false, false, 3, false, 3, false)},
        {"[3|]", Reference(false, false, 3, true, 3, true)},
        {"[3-3|]", Reference(false, false, 3, false, 3, true)},
        {"[M~1-2|]", Reference(true, true, 1, false, 2, true)},
        {"[m]", Reference(true, false, 0, false, 0, false)},
    });
}

TEST_F(ParserCatalogueTest, WordPresence) {
    LexiconTable.resize(2);
    LexiconTable[0].ShortName = "QORA24";
    LexiconTable[1].ShortName = "Worldwide";
    Run({
        {"QUIXOTIC/-?", Presence(PresenceInLexicons, 0, "QUIXOTIC")},
        {"quixotic/?", Presence(PresenceOnSlate, 0, "QUIXOTIC")},
        {"CAT/Z DOG/7?", Presence(PresenceInWordlist, 7, "CATDOG")},
        {"CAT /-Z/0?", Presence(PresenceInWordlist, 0, "CAT")},
        {"ZAX/-\"worldwide\"?", Presence(PresenceInNamedLexicon, 0, "ZAX", "worldwide")},
    });
}

TEST_F(ParserCatalogueTest, UserSetDefinitions) {
    Run({
        {"/4U=(V+)", UserSet(4, SetKind::BuiltIn, "AEIOUY")},
        {"/4U=($2-4)", UserSet(4, SetKind::ScoreBased, "BCDFGHMPVWY")},
        {"/4U=(#<3)", UserSet(4, SetKind::CountBased, "BCFHJKMPQVWXYZ")},
        {"/4U=($8)", UserSet(4, SetKind::ScoreBased, "JQXZ")},
        {"/2U=(CA.T)",
         [](const ParsedCommand& c) {
             EXPECT_EQ(OnlyAction(c).Set.Kind, SetKind::WordPattern);
             EXPECT_EQ(OnlyAction(c).Set.Text, "CA.T");
         }},
        {"/7U=(1A)", UserSet(7, SetKind::Specified, "A")},
        {"/7U=(2EIS)", UserSet(7, SetKind::Specified, "EEIS")},
        {"/9U=(!QXZ)", UserSet(9, SetKind::AllBut, "ABCDEFGHIJKLMNOPRSTUVWY")},
        {"/3U=(2AB)", UserSet(3, SetKind::Specified, "AAB")},
        {"/1U=(V)", UserSet(1, SetKind::BuiltIn, "AEIOU")},
        {"/2U=(ABC)", UserSet(2, SetKind::Specified, "ABC")},
        {"/4U=A", UserSet(4, SetKind::Specified, "A")},
        {"/4U=(=)", UserSet(4, SetKind::BuiltIn, "")},
        {"/12U\"vowels\"=(V)", UserSet(12, SetKind::BuiltIn, "AEIOU", 1, "vowels")},
        {"/4U\"\"=(V)", UserSet(4, SetKind::BuiltIn, "AEIOU", 1, "")},
        {"/5U=(2)",
         [](const ParsedCommand& c) {
             const CommandAction& a = OnlyAction(c);
             EXPECT_EQ(a.Set.Kind, SetKind::UserDefined);
             EXPECT_EQ(a.Set.Argument, 2);
             EXPECT_EQ(a.Arguments, (std::array<std::int32_t, 5>{5, 0, 0, 0, 0}));
         }},
        {"/6U=(1)&(3)", JoinedSets(6, '&', SetKind::UserDefined, SetKind::UserDefined)},
        {"/6U=(1)-(1)", JoinedSets(6, '-', SetKind::UserDefined, SetKind::UserDefined)},
        {"/6U=(2EIS)|(EU)", JoinedSets(6, '|', SetKind::Specified, SetKind::Specified)},
        {"/13U=(!QXZ)-(8)", JoinedSets(13, '-', SetKind::AllBut, SetKind::UserDefined)},
        {"/2U=(V+)&(#<3)", JoinedSets(2, '&', SetKind::BuiltIn, SetKind::CountBased)},
        {"/4U\"vowels\"=(4)", Action(ActionKind::DefineUserSet, {4, 0, 0, 0, 1}, "vowels")},
    });
}

TEST_F(ParserCatalogueTest, SetBAndSetDollar) {
    auto bag = [](std::string letters) {
        return [=](const ParsedCommand& c) {
            EXPECT_EQ(OnlyAction(c).Kind, ActionKind::DefineBag);
            EXPECT_EQ(c.SetBDefined, 1);
            EXPECT_EQ(c.SetDollarDefined, 0);
            EXPECT_EQ(c.SetB.Counts, CountsOf(letters));
            EXPECT_EQ(OnlyAction(c).Set.Letters.Counts, CountsOf(letters));
            EXPECT_EQ(c.QuerySettings.LetterDistribution, CountsOf(letters));
        };
    };
    auto scores = [](LetterCounts values) {
        return [=](const ParsedCommand& c) {
            EXPECT_EQ(OnlyAction(c).Kind, ActionKind::DefineScores);
            EXPECT_EQ(c.SetDollarDefined, 1);
            EXPECT_EQ(c.SetBDefined, 0);
            EXPECT_EQ(c.SetDollar.Counts, values);
        };
    };
    LetterCounts english{};
    for (int i = 0; i < 26; ++i) english[i] = EnglishTileScores[i];
    LetterCounts withZero = english;
    withZero['Q' - 'A'] = 0;
    Run({
        {"/(B)=(9A2B2C4D12E2F3G2H9IJK4L2M6N8O2PQ6R4S6T4U2V2WX2YZ)",
         bag("AAAAAAAAABBCCDDDDEEEEEEEEEEEEFFGGGHHIIIIIIIIIJKLLLLMMNNNNNNOOOOOOOOPPQRRRRRRSSSSTTTTTTUUUUVVWWXYYZ")},
        {"/(B)=(9A2B2C3D15E2F2G2H8IJK5L3M6N6O2PQ6R6S6T6U2VWXYZ)",
         bag("AAAAAAAAABBCCDDDEEEEEEEEEEEEEEEFFGGHHIIIIIIIIJKLLLLLMMMNNNNNNOOOOOOPPQRRRRRRSSSSSSTTTTTTUUUUUUVVWXYZ")},
        {"/(B)=(ABCDEFGHIJKLMNOPQRSTUVWXYZ)", bag("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {"/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P10QRSTU4V4W8X4Y10Z)", scores(english)},
        {"/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P0Q10QRSTU4V4W8X4Y10Z)", scores(english)},
        {"/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P0QRSTU4V4W8X4Y10Z)", scores(withZero)},
    });
}

TEST_F(ParserCatalogueTest, WordlistCommands) {
    Run({
        {"/3L\"Nouns\"", Action(ActionKind::LabelWordlist, {3, 0, 0, 0, 0}, "Nouns")},
        {"/3L\"\"", Action(ActionKind::LabelWordlist, {3, 0, 0, 0, 0}, "")},
        {"/3L\" 20 characters!! \"", Action(ActionKind::LabelWordlist, {3, 0, 0, 0, 0}, " 20 characters!! ")},
        {"/5W", Action(ActionKind::CopySlate, {5, 0, 0, 0, 0})},
        {"/1W", Action(ActionKind::CopySlate, {1, 0, 0, 0, 0})},
        {"/5~W", Action(ActionKind::CopySlate, {5, 1, 0, 0, 0})},
        {"/5~W\"Nouns\"", Action(ActionKind::CopySlate, {5, 1, 1, 0, 0}, "Nouns")},
        {"/7R", Action(ActionKind::RestoreSlate, {7, 0, 0, 0, 0})},
        {"/Y5=7", Action(ActionKind::CopyWordlist, {5, 7, 0, 0, 0})},
        {"/Y0=3", Action(ActionKind::CopyWordlist, {0, 3, 0, 0, 0})},
        {"/Y5=0|3", Action(ActionKind::CombineWordlists, {5, 0, '|', 3, 0})},
        {"/Y5=0-3", Action(ActionKind::CombineWordlists, {5, 0, '-', 3, 0})},
        {"/Y5=2&3", Action(ActionKind::CombineWordlists, {5, 2, '&', 3, 0})},
        {"/FR5W\"/home/judge/Nouns.wds\"",
         Action(ActionKind::ImportWordlist, {5, 0, 0, 0, 0}, "/home/judge/Nouns.wds")},
        {"/Y3=2/3L\"Verbs\"",
         [](const ParsedCommand& c) {
             ASSERT_EQ(c.Actions.size(), 2u);
             EXPECT_EQ(c.Actions[0].Kind, ActionKind::CopyWordlist);
             EXPECT_EQ(c.Actions[1].Kind, ActionKind::LabelWordlist);
             EXPECT_EQ(c.Actions[1].Text, "Verbs");
             EXPECT_EQ(c.Actions[1].Position, 6);
         }},
        {"/FR5W\"Nouns.wds\"/5L\"Nouns\"",
         [](const ParsedCommand& c) {
             ASSERT_EQ(c.Actions.size(), 2u);
             EXPECT_EQ(c.Actions[0].Text, "Nouns.wds");
             EXPECT_EQ(c.Actions[1].Arguments[0], 5);
         }},
    });
}

TEST_F(ParserCatalogueTest, ItemCommands) {
    Run({
        {"/=3:5D", Action(ActionKind::DeleteItems, {3, 5, 1, 0, 0})},
        {"/=3:5,4D", Action(ActionKind::DeleteItems, {3, 5, 4, 0, 0})},
        {"/=3:8,5D", Action(ActionKind::DeleteItems, {3, 8, 5, 0, 0})},
        {"/=4:12D", Action(ActionKind::DeleteItems, {4, 12, 1, 0, 0})},
        {"/=0:0D", Action(ActionKind::DeleteItems, {0, 0, 1, 0, 0})},
        {"/7:0=3:5C", Action(ActionKind::CopyItems, {7, 0, 3, 5, 1})},
        {"/7:2=0:1,10M", Action(ActionKind::MoveItems, {7, 2, 0, 1, 10})},
        {"/7:0=M", Action(ActionKind::MoveFlashcard, {7, 0, 0, 0, 0})},
        {"/9:0=M", Action(ActionKind::MoveFlashcard, {9, 0, 0, 0, 0})},
        {"/9:3=C", Action(ActionKind::CopyFlashcard, {9, 3, 0, 0, 0})},
    });
}

TEST_F(ParserCatalogueTest, NumericFilters) {
    Run({
        {"/|=7 ", Filter(&Settings::LengthFilter, RelationEqual, 7, 0)},
        {"/|5 ", Filter(&Settings::LengthFilter, RelationAtLeast, 5, 0)},
        {"/|2-8 ", Filter(&Settings::LengthFilter, RelationRange, 2, 8)},
        {"/|2<8 ", Filter(&Settings::LengthFilter, RelationHalfOpen, 2, 8)},
        {"/|<9 ", Filter(&Settings::LengthFilter, RelationBelow, 9, 0)},
        {"/|<=2 ", Filter(&Settings::LengthFilter, RelationAtMost, 2, 0)},
        {"/|!=7 ", Filter(&Settings::LengthFilter, RelationNotEqual, 7, 0)},
        {"/|>14 ", Filter(&Settings::LengthFilter, RelationAbove, 14, 0)},
        {"/|>=3", Filter(&Settings::LengthFilter, RelationAtLeast, 3, 0)},
        {"/$3-9 ", Filter(&Settings::ScoreFilter, RelationRange, 3, 9)},
        {"/$<=20 ", Filter(&Settings::ScoreFilter, RelationAtMost, 20, 0)},
        {"/&=1 ", Filter(&Settings::AnagramCountFilter, RelationEqual, 1, 0)},
        {"/&2<5 ", Filter(&Settings::AnagramCountFilter, RelationHalfOpen, 2, 5)},
        {"/#>1 ", Filter(&Settings::WordCountFilter, RelationAbove, 1, 0)},
        {"/%100-2147483647 ", Filter(&Settings::ProbabilityFilter, RelationRange, 100, 2147483647)},
        {"/%>5000 ", Filter(&Settings::ProbabilityFilter, RelationAbove, 5000, 0)},
        {"/%{QI} ", Filter(&Settings::ProbabilityFilter, RelationAtLeast, 9, 0)},
        {"/%{}-{qi} ", Filter(&Settings::ProbabilityFilter, RelationRange, 0, 9)},
        {"/%>{EEEEEE} ", Filter(&Settings::ProbabilityFilter, RelationAbove, 924, 0)},
        {"/%={ZZ} ", Filter(&Settings::ProbabilityFilter, RelationEqual, 0, 0)},
    });
}

TEST_F(ParserCatalogueTest, SetFilters) {
    Run({
        {"/<<=(AES) ", HooksFilter(&Settings::FrontHooksFilter, RelationAtMost, "AES")},
        {"/<<(AES) ", HooksFilter(&Settings::FrontHooksFilter, RelationBelow, "AES")},
        {"/<!=(AES) ", HooksFilter(&Settings::FrontHooksFilter, RelationNotEqual, "AES")},
        {"/>=(1S) ", HooksFilter(&Settings::BackHooksFilter, RelationEqual, "S")},
        {"/>>=(1Z) ", HooksFilter(&Settings::BackHooksFilter, RelationAtLeast, "Z")},
        {"/>>(DS) ", HooksFilter(&Settings::BackHooksFilter, RelationAbove, "DS")},
        {"/<=( ) ", HooksFilter(&Settings::FrontHooksFilter, RelationEqual, "")},
        {"/:<=(AEIOU) ", BlankFilter(RelationAtMost, "AEIOU", 0)},
        {"/:<=(-AEIOU) ", BlankFilter(RelationAtMost, "AEIOU", 1)},
        {"/:!=( ) ", BlankFilter(RelationNotEqual, "", 0)},
        {"/:>(2ES) ", BlankFilter(RelationAbove, "EES", 0)},
        {"/:>=(S)", BlankFilter(RelationAtLeast, "S", 0)},
    });
}

TEST_F(ParserCatalogueTest, DefinitionFilterAndSearch) {
    Run({
        {"/\"noun\" ", Definition(1, 1, " noun ")},
        {"/\"!noun\" ", Definition(1, 0, " noun ")},
        {"/\"!|plural\" ", Definition(1, 0, "plural ")},
        {"/\"!|verb\" ", Definition(1, 0, "verb ")},
        {"/\"noun|\" ", Definition(1, 1, " noun")},
        {"/\"|noun|\" ", Definition(1, 1, "noun")},
        {"/\"\" ", Definition(0, 1, "")},
        {"/\"!\" ", Definition(0, 0, "")},
        {"/SD \"noun\" ", Main(CommandKind::DefinitionSearch, {ConnectiveNone, 0, 0, 0, 0}, " noun ")},
        {"/SD \"noun\" & \"plural\" ",
         Main(CommandKind::DefinitionSearch, {ConnectiveAnd, 0, 0, 0, 0}, " noun ", " plural ")},
        {"/SD \"noun\" &! \"plural\" ",
         Main(CommandKind::DefinitionSearch, {ConnectiveAndNot, 0, 0, 0, 0}, " noun ", " plural ")},
        {"/SD \"|to\" | \"verb|\" ", Main(CommandKind::DefinitionSearch, {ConnectiveOr, 0, 0, 0, 0}, "to ", " verb")},
    });
}

TEST_F(ParserCatalogueTest, FilterOffTexts) {
    // Each starts from a standing filter that is on, as the main window's
    // check boxes are cleared only for filters in use.
    StandingSettings.LengthFilter.Active = StandingSettings.ScoreFilter.Active = 1;
    StandingSettings.ProbabilityFilter.Active = StandingSettings.WordCountFilter.Active = 1;
    StandingSettings.AnagramCountFilter.Active = StandingSettings.FrontHooksFilter.Active = 1;
    StandingSettings.BackHooksFilter.Active = StandingSettings.BlankFilter.Active = 1;
    StandingSettings.DefinitionFilter = DefinitionFilter{1, 1, " noun "};
    Run({
        {"/|- ", FilterOff([](const Settings& s) { return s.LengthFilter.Active; })},
        {"/$- ", FilterOff([](const Settings& s) { return s.ScoreFilter.Active; })},
        {"/%- ", FilterOff([](const Settings& s) { return s.ProbabilityFilter.Active; })},
        {"/#- ", FilterOff([](const Settings& s) { return s.WordCountFilter.Active; })},
        {"/&- ", FilterOff([](const Settings& s) { return s.AnagramCountFilter.Active; })},
        {"/<- ", FilterOff([](const Settings& s) { return s.FrontHooksFilter.Active; })},
        {"/>- ", FilterOff([](const Settings& s) { return s.BackHooksFilter.Active; })},
        {"/:- ", FilterOff([](const Settings& s) { return s.BlankFilter.Active; })},
        {"/\"- ", Definition(0, 1, " noun ")},
        {"/\"-", Definition(0, 1, " noun ")},
    });
}

TEST_F(ParserCatalogueTest, PresentationCountsAndProbes) {
    auto kind = [](int presentation, int count, int word, int letter) {
        return Setting([=](const Settings& s) {
            EXPECT_EQ(s.PresentationKind, presentation);
            EXPECT_EQ(s.PresentationCount, count);
            EXPECT_EQ(s.ProbeWordNumber, word);
            EXPECT_EQ(s.ProbeLetterPosition, letter);
        });
    };
    Run({
        {"25~", kind(PresentationCountQuestion, 25, 1, 1)},
        {"25'", kind(PresentationCountWith, 25, 1, 1)},
        {"123456~", kind(PresentationCountQuestion, 123456, 1, 1)},
        {"0~", kind(PresentationCountQuestion, 0, 1, 1)},
        {"0'", kind(PresentationCountWith, 0, 1, 1)},
        {" /12 ", kind(PresentationProbeWord, 25, 12, 1)},
        {" 2/3 ", kind(PresentationProbeLetter, 25, 3, 2)},
        {" 1/ ", kind(PresentationProbeColumn, 25, 1, 1)},
        {"/P4", kind(4, 25, 1, 1)},
        {"/P11", kind(11, 25, 1, 1)},
    });
}

TEST_F(ParserCatalogueTest, LayoutWidthAndRows) {
    Run({
        {"/O1", Layout(LayoutOnePerLine, 1)},
        {"/OR2S", Layout(LayoutPackedRows, 2)},
        {"/OR,2S", Layout(LayoutPackedRowsCommas, 2)},
        {"/ORC1S", Layout(LayoutColumnatedRowsMinimal, 1)},
        {"/ORC12W", Layout(LayoutColumnatedRowsFixed, 12)},
        {"/ORC8X", Layout(LayoutColumnatedRowsExpandable, 8)},
        {"/OC1S", Layout(LayoutColumnsMinimal, 1)},
        {"/OC12W", Layout(LayoutColumnsFixed, 12)},
        {"/OC80X", Layout(LayoutColumnsExpandable, 80)},
        {"/OWA", Width(1, 1, 0)},
        {"/OC8C/OWA", Width(1, 1, 0)},  // the workspace's width counts characters again
        {"/OW80C", Width(0, 1, 80)},
        {"/OW255C", Width(0, 1, 255)},
        {"/OC8C", Width(0, 0, 8)},
        {"/OR55C", Setting([](const Settings& s) { EXPECT_EQ(s.RowsPerPage, 55); })},
        {"/OR0C", Setting([](const Settings& s) { EXPECT_EQ(s.RowsPerPage, 0); })},
        {"/OR256C", Setting([](const Settings& s) { EXPECT_EQ(s.RowsPerPage, 256); })},
    });
}

TEST_F(ParserCatalogueTest, OrderingsAndMapping) {
    auto rackOrder = [](std::string order) {
        return [=](const ParsedCommand& c) {
            EXPECT_EQ(c.QuerySettings.RandomRackOrder, order);
            EXPECT_EQ(c.PendingSettings.RandomRackOrder, order) << "orderings last";
        };
    };
    auto wordOrder = [](std::string order) {
        return [=](const ParsedCommand& c) {
            EXPECT_EQ(c.QuerySettings.CanonicalOutputOrder, order);
            EXPECT_EQ(c.PendingSettings.CanonicalOutputOrder, order);
        };
    };
    Run({
        {"/.\"ABCDEFGHIJKLMNOPQRSTUVWXYZ?\"", rackOrder("ABCDEFGHIJKLMNOPQRSTUVWXYZ?")},
        {"/.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"", rackOrder("AEIOU BCDFGHJKLMNPQRSTVWXYZ?")},
        {"/.\"AEIOU+BCDFGHJKLMNPQRSTVWXYZ?\"", rackOrder("AEIOU+BCDFGHJKLMNPQRSTVWXYZ?")},
        {"/.\"? A B C+DEFGHIJKLMNOPQRSTUVWXYZ\"", rackOrder("? A B C+DEFGHIJKLMNOPQRSTUVWXYZ")},
        {"/.\"\" ", rackOrder("")},
        {"/;\"ZYXWVUTSRQPONMLKJIHGFEDCBA\"", wordOrder("ZYXWVUTSRQPONMLKJIHGFEDCBA")},
        {"/;\"abcdefghijklmnopqrstuvwxyz\"", wordOrder("abcdefghijklmnopqrstuvwxyz")},
        {"/;\"\"", wordOrder("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {" /M\"BCDEFGHIJKLMNOPQRSTUVWXYZA\" ", Action(ActionKind::SetLetterMapping, {}, "BCDEFGHIJKLMNOPQRSTUVWXYZA")},
        {"/M\"ZYXWVU TSRQPONMLKJIHGFE DCBA\"", Action(ActionKind::SetLetterMapping, {}, "ZYXWVUTSRQPONMLKJIHGFEDCBA")},
        {"/M\"aaaaaaaaaaaaaaaaaaaaaaaaaa\"", Action(ActionKind::SetLetterMapping, {}, std::string(26, 'A'))},
    });
}

TEST_F(ParserCatalogueTest, RandomRacksPrintingAndBoard) {
    auto square = [](int mode, int row, int column, int orientation) {
        return Setting([=](const Settings& s) {
            EXPECT_EQ(s.ScoringMode, mode);
            EXPECT_EQ(s.BoardRow, row);
            EXPECT_EQ(s.BoardColumn, column);
            EXPECT_EQ(s.BoardOrientation, orientation);
        });
    };
    Run({
        {"/. 100 > 3 A", Main(CommandKind::RandomRacks, {100, 3, 1, 1, 0})},
        {"/. 2500 > 3 A", Main(CommandKind::RandomRacks, {2500, 3, 1, 1, 0})},
        {"/. 100 > 0 A", Main(CommandKind::RandomRacks, {100, 0, 1, 1, 0})},
        {"/. 100 > 3", Main(CommandKind::RandomRacks, {100, 3, 0, 1, 0})},
        {"/. 7", Main(CommandKind::RandomRacks, {7, 0, 0, 0, 0})},
        {"/.50>4A", Main(CommandKind::RandomRacks, {50, 4, 1, 1, 0})},
        {"/PW \"Anagrams\" ", Action(ActionKind::PrintWorkspace, {}, "Anagrams")},
        {"/PW \"\" ", Action(ActionKind::PrintWorkspace, {}, "")},
        {"/@8H.", square(ScoringModeStartingAtSquare, 7, 7, BoardHorizontal)},
        {"/@H8~", square(ScoringModeIncludingSquare, 7, 7, BoardVertical)},
        {"/@15O.", square(ScoringModeStartingAtSquare, 14, 14, BoardHorizontal)},
        {"/@A1~", square(ScoringModeIncludingSquare, 0, 0, BoardVertical)},
        {"/@|", Setting([](const Settings& s) { EXPECT_EQ(s.ScoringMode, ScoringModeGrid); })},
        {"/@#2", Setting([](const Settings& s) { EXPECT_EQ(s.ScoringMode, ScoringModeSevenTileBonus); })},
        {"/@=21/@U21.",
         [](const ParsedCommand& c) {
             EXPECT_EQ(c.QuerySettings.BoardSize, 21);
             EXPECT_EQ(c.PendingSettings.BoardSize, 21) << "the board size lasts";
             EXPECT_EQ(c.QuerySettings.BoardRow, 20);
             EXPECT_EQ(c.PendingSettings.BoardRow, 7) << "the square does not";
         }},
    });
}

TEST_F(ParserCatalogueTest, GridGameTexts) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    Run({
        {letters + "/B/@|",
         [](const ParsedCommand& c) {
             EXPECT_EQ(c.Kind, CommandKind::Query);
             EXPECT_EQ(c.QuerySettings.QueryMode, QueryModeGrid);
             EXPECT_EQ(c.QuerySettings.ScoringMode, ScoringModeGrid);
             EXPECT_EQ(c.QueryElementCount, 25);
         }},
        {letters + "QU/B", [](const ParsedCommand& c) { EXPECT_EQ(c.QueryElementCount, 27); }},
        {letters + "/G", Main(CommandKind::GridWindow, {1, 0, 0, 0, 0})},
        {"/G", Main(CommandKind::GridWindow, {1, 0, 0, 0, 0})},
    });
}

TEST_F(ParserCatalogueTest, SingleLetterCommands) {
    Run({
        {"C", Main(CommandKind::ChallengeWindow, {})},
        {" g ", Main(CommandKind::GridWindow, {})},
        {"T", Main(CommandKind::Timer, {})},
        {"w", Main(CommandKind::WordBuildingGame, {})},
        {"CT", [](const ParsedCommand& c) { EXPECT_EQ(c.Kind, CommandKind::Query); }},
    });
}

TEST_F(ParserCatalogueTest, ChallengeRecordingFilesAndProgram) {
    Run({
        {"/C", Main(CommandKind::ChallengeWindow, {1, 0, 1, 1, 0})},
        {"QUIXOTIC ZAX/C", Main(CommandKind::ChallengeWindow, {1, 0, 1, 1, 0})},
        {"/C qi,za xu", Main(CommandKind::ChallengeWindow, {1, 0, 1, 1, 0})},
        {"/C12345678", Main(CommandKind::ChallengeWindow, {1, 12345678, 1, 0, 0})},
        {"/C123456789012", Main(CommandKind::ChallengeWindow, {1, 12345678, 1, 0, 0})},
        {"/C-4711", Main(CommandKind::ChallengeWindow, {1, 4711, 0, 0, 0})},
        {"/R+", Action(ActionKind::RecordingOn, {})},
        {"/R-", Action(ActionKind::RecordingOff, {})},
        {"/X\"words.cmd\"", Action(ActionKind::RunCommandFile, {}, "words.cmd")},
        {"/X \"my files/words.cmd\"", Action(ActionKind::RunCommandFile, {}, "my files/words.cmd")},
        {"/EXIT", Action(ActionKind::ExitProgram, {})},
        {"/quit", Action(ActionKind::ExitProgram, {})},
        {"/END", Action(ActionKind::EndCommandFile, {})},
        {"/FW5W\"five.wds\"", Action(ActionKind::ExportWordlist, {5, 0, 0, 0, 0}, "five.wds")},
        {"/FA5W\"five.wds\"", Action(ActionKind::ExportWordlist, {5, 0, 1, 0, 0}, "five.wds")},
        {"/FW0~W\"slate.wds\"", Action(ActionKind::ExportWordlist, {0, 1, 0, 0, 0}, "slate.wds")},
        {"/FWH\"old.cmd\"", Action(ActionKind::ExportHistory, {}, "old.cmd")},
        {"/FWH", Action(ActionKind::ExportHistory, {}, "history.cmd")},
        {"/FRH", Action(ActionKind::ImportHistory, {}, "history.cmd")},
        {"/FWS", Action(ActionKind::ExportWorkspace, {}, "Workspace.txt")},
        {"/FWS \"out.txt\"", Action(ActionKind::ExportWorkspace, {}, "out.txt")},
        {"/FWG", Action(ActionKind::ExportGrids, {}, "5x5game.grd")},
        {"/FAG\"g.grd\"", Action(ActionKind::ExportGrids, {1, 0, 0, 0, 0}, "g.grd")},
        {"/FRG", Action(ActionKind::ImportGrids, {}, "5x5game.grd")},
        {"/FWB", Action(ActionKind::ExportBuildingGrids, {}, "WBG_grids.WBG")},
        {"/FAB\"\"", Action(ActionKind::ExportBuildingGrids, {1, 0, 0, 0, 0}, "WBG_grids.WBG")},
        {"/FRB", Action(ActionKind::ImportBuildingGrids, {}, "WBG_grids.WBG")},
        {"/H5", Action(ActionKind::StartFlashcards, {5, 0, 0, 0, 0})},
        {"/H+", Action(ActionKind::NextFlashcard, {})},
        {"/H-", Action(ActionKind::StopFlashcards, {})},
    });
}

TEST_F(ParserCatalogueTest, ModesKeysKindsSwitchesAndSources) {
    auto keys = [](std::vector<SortKey> expected) {
        return Setting([=](const Settings& s) {
            ASSERT_EQ(s.SortKeyCount, static_cast<int>(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(s.SortKeys[i], expected[i]);
        });
    };
    auto field = []<typename Field>(Field Settings::*member, Field value) {
        return Setting([=](const Settings& s) { EXPECT_EQ(s.*member, value); });
    };
    Run({
        {"/Q1", field(&Settings::QueryMode, QueryModeAnagrams)},
        {"/Q2", field(&Settings::QueryMode, QueryModePattern)},
        {"/Q3", field(&Settings::QueryMode, QueryModeImbeddedWord)},
        {"/Q4", field(&Settings::QueryMode, QueryModeSteal)},
        {"/Q5", field(&Settings::QueryMode, QueryModeTwoWord)},
        {"/Q10", field(&Settings::QueryMode, QueryModeGrid)},
        {"/B", field(&Settings::QueryMode, QueryModeGrid)},
        {"/KL-S", keys({{SortKeyKind::Length, false}, {SortKeyKind::Score, true}})},
        {"/K-", keys({{SortKeyKind::Alphabetical, false}})},
        {"/Kw-r", keys({{SortKeyKind::SourceOrder, false}, {SortKeyKind::Random, true}})},
        {"/T2", field(&Settings::ResultKind, ResultKindCanonicalWords)},
        {"/N3", field(&Settings::SlateUpdate, SlateUpdateKeepOnly)},
        {"/W5", field(&Settings::WordSource, 5)},
        {"/W0", field(&Settings::WordSource, SlateNumber)},
        {"/W-", field(&Settings::WordSource, WordSourceLexicon)},
        {"/[3", field(&Settings::WordReferenceSource, 3)},
        {"/V+S/V+D",
         Setting([](const Settings& s) { EXPECT_EQ(s.PresentationSwitches, SwitchScores | SwitchDefinitions); })},
        {"/Z", Setting([](const Settings& s) { EXPECT_EQ(s.ZeroScoringBlanks, 1); })},
    });
}

// Spanish tile numbers.
constexpr int C = 3, CH = 4, H = 9, LL = 13, Enye = 16, RR = 21;

TEST_F(ParserCatalogueTest, SpanishTexts) {
    UseLanguage(Language::Spanish);
    auto spanishSet = [](LetterCounts counts) {
        return [=](const ParsedCommand& c) { EXPECT_EQ(Only(c).Set.Letters.Counts, counts); };
    };
    LetterCounts bag{};
    for (int i = 0; i < SpanishTileCount; ++i) bag[i] = SpanishTileCounts[i];
    LetterCounts scores{};
    for (int i = 0; i < SpanishTileCount; ++i) scores[i] = SpanishTileScores[i];
    Run({
        {" CH", [](const ParsedCommand& c) { EXPECT_EQ(Only(c).Set.Argument, CH); }},
        {"ch", [](const ParsedCommand& c) { EXPECT_EQ(Only(c).Set.Argument, CH); }},
        {"cH", [](const ParsedCommand& c) { EXPECT_EQ(c.QueryElements.size(), 2u); }},
        {"CCH",
         [](const ParsedCommand& c) {
             ASSERT_EQ(c.QueryElements.size(), 2u);
             EXPECT_EQ(c.QueryElements[0].Set.Argument, C);
             EXPECT_EQ(c.QueryElements[1].Set.Argument, CH);
         }},
        {"\xD1", [](const ParsedCommand& c) { EXPECT_EQ(Only(c).Set.Argument, Enye); }},
        {"\xF1", [](const ParsedCommand& c) { EXPECT_EQ(Only(c).Set.Argument, Enye); }},
        {"(cH)", spanishSet(TileCountsOf({{C, 1}, {H, 1}}))},
        {"(1CH)", spanishSet(TileCountsOf({{CH, 1}}))},
        {"(2L1LLRRR)", spanishSet(TileCountsOf({{LL - 1, 2}, {LL, 1}, {RR - 1, 1}, {RR, 1}}))},
        {"(+LL)",
         [](const ParsedCommand& c) {
             EXPECT_EQ(Only(c).Set.Kind, SetKind::Letter);
             EXPECT_EQ(Only(c).Set.Argument, LL);
         }},
        {",LL", [](const ParsedCommand& c) { EXPECT_TRUE(Only(c).InRack); }},
        {"/3U=(cH)",
         [](const ParsedCommand& c) {
             EXPECT_EQ(OnlyAction(c).Set.Letters.Counts, TileCountsOf({{C, 1}, {H, 1}}));
         }},
        {"/21U=(V)|(1\xD1)",
         [](const ParsedCommand& c) {
             EXPECT_EQ(OnlyAction(c).Arguments[1], '|');
             EXPECT_EQ(OnlyAction(c).SecondSet.Letters.Counts, TileCountsOf({{Enye, 1}}));
         }},
        {"/(B)=(12A2B4Cch5D12EF2G2H6IJ4Lll2M5N\xD1"
         "9O2PQ5Rrr6S4T5UVXYZ)",
         [=](const ParsedCommand& c) { EXPECT_EQ(c.SetB.Counts, bag); }},
        {"/($)=(A3B3C5CH2DE4F2G4HI8JL8LL3MN8\xD1O3P5QR8RRSTU4V8X4Y10Z)",
         [=](const ParsedCommand& c) { EXPECT_EQ(c.SetDollar.Counts, scores); }},
        {"/.\"ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ?\"", [](const ParsedCommand&) {}},
        {"/;\"ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ\"", [](const ParsedCommand&) {}},
        {"/;\"ABCCHDEFGHIJLLLMN\xF1OPQRRRSTUVXYZ\"", [](const ParsedCommand&) {}},
        {"/;\"\"",
         [](const ParsedCommand& c) {
             EXPECT_EQ(c.QuerySettings.CanonicalOutputOrder, "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ");
         }},
        {" /M\"ABC CHDEFGHIJL LLMN\xD1OPQR RRSTUVXYZ\" ",
         [](const ParsedCommand& c) {
             std::string identity;
             for (int tile = 1; tile <= SpanishTileCount; ++tile) identity += static_cast<char>('@' + tile);
             EXPECT_EQ(OnlyAction(c).Text, identity);
         }},
        {"/:=(cCH\xD1) ",
         [](const ParsedCommand& c) {
             EXPECT_EQ(c.QuerySettings.BlankFilter.Letters.Counts, TileCountsOf({{C, 1}, {CH, 1}, {Enye, 1}}));
         }},
        {"(V)", spanishSet(TileCountsOf({{1, 1}, {6, 1}, {10, 1}, {17, 1}, {24, 1}}))},
        {"/%{CHA} ",
         [](const ParsedCommand& c) {
             EXPECT_EQ(c.QuerySettings.ProbabilityFilter.Value1, 12) << "one CH of 1, one A of 12";
         }},
        {"(C-)",
         [](const ParsedCommand& c) {
             const LetterCounts& counts = Only(c).Set.Letters.Counts;
             EXPECT_EQ(LetterCountTotal(counts), 22);
             EXPECT_EQ(counts[CH - 1], 1);
             EXPECT_EQ(counts[RR - 1], 1);
             EXPECT_EQ(counts[27 - 1], 0) << "Y";
         }},
        {"CHURRO/-?", [](const ParsedCommand& c) { EXPECT_EQ(c.Word, "DXUQ"); }},
    });
}

}  // namespace
}  // namespace qora::testing
