// The texts that the filter editors and the ordering dialogs type onto the
// command line, as the main window's check boxes and lists also use them.
#include "dialogs/DefinitionSearchText.h"
#include "dialogs/FilterText.h"
#include "dialogs/OptionTexts.h"
#include "engine/QueryRecords.h"
#include "engine/Tiles.h"
#include "platform/ProgramState.h"
#include "platform/qt/Focus.h"
#include "processor/Console.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <climits>

namespace qora {
namespace {

LetterCounts CountsOf(std::initializer_list<std::pair<int, int>> tileCounts) {
    LetterCounts counts{};
    for (auto [tile, count] : tileCounts) counts[tile - 1] = static_cast<std::int16_t>(count);
    return counts;
}

constexpr int A = 1, B = 2, E = 5, I = 9, O = 15, S = 19, U = 21, Z = 26;

class FilterAppend : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        WritePromptLine();
        ConsoleEditHooks.RecheckCommandLine = [this] { ++rechecks; };
    }
    void TearDown() override { ResetProgramState(); }

    // The command line typed by `append` from an empty one.
    template <typename Append>
    std::string Typed(Append append) {
        SetCommandLine("");
        append();
        return CommandLine();
    }

    int rechecks = 0;
};

TEST_F(FilterAppend, NumericFiltersWriteEachRelationItemThenABlank) {
    const char* expected[] = {"/|3-9  ", "/|3<9  ", "/|<3  ", "/|<=3  ", "/|!=3  ", "/|=3  ", "/|3  ", "/|>3  "};
    for (int item = 0; item < 8; ++item)
        EXPECT_EQ(Typed([&] { AppendWordLengthFilter(item, 3, 9); }), expected[item]) << "item " << item;
    EXPECT_EQ(Typed([] { AppendWordScoreFilter(0, 3, 9); }), "/$3-9  ");
    EXPECT_EQ(Typed([] { AppendAnagramCountFilter(5, 1, 0); }), "/&=1  ");
    EXPECT_EQ(Typed([] { AppendWordCountFilter(7, 1, 0); }), "/#>1  ");
    EXPECT_EQ(Typed([] { AppendProbabilityFilter(2, 5000, std::nullopt, 0, std::nullopt); }), "/%<5000  ");
}

TEST_F(FilterAppend, NumericFiltersHoldExtremeValuesAndTreatAStrayItemAsAtLeast) {
    EXPECT_EQ(Typed([] { AppendWordScoreFilter(0, INT_MIN, INT_MAX); }), "/$-2147483648-2147483647  ");
    EXPECT_EQ(Typed([] { AppendWordLengthFilter(8, 4, 0); }), "/|4  ");
    EXPECT_EQ(Typed([] { AppendWordLengthFilter(-1, 4, 0); }), "/|4  ");
}

TEST_F(FilterAppend, ProbabilityValuesAreNumbersOrLettersInBraces) {
    EXPECT_EQ(Typed([] { AppendProbabilityFilter(0, 100, std::nullopt, 7, "QI"); }), "/%100-{QI}  ");
    EXPECT_EQ(Typed([] { AppendProbabilityFilter(1, 0, "", 7, std::nullopt); }), "/%{}<7  ");
    EXPECT_EQ(Typed([] { AppendProbabilityFilter(6, 3, "AB", 0, "CD"); }), "/%{AB}  ");
}

TEST_F(FilterAppend, HooksFiltersWriteTheirSideRelationAndLetters) {
    const LetterCounts aes = CountsOf({{A, 1}, {E, 1}, {S, 1}});
    EXPECT_EQ(Typed([] { AppendHooksFilter(false, 3, CountsOf({{S, 1}})); }), "/>=(1S) ");
    EXPECT_EQ(Typed([] { AppendHooksFilter(false, 5, CountsOf({{A, 2}, {B, 1}})); }), "/>>(2AB) ");
    EXPECT_EQ(Typed([] { AppendHooksFilter(true, 0, LetterCounts{}); }), "/<<( ) ");
    const char* operators[] = {"<", "<=", "!=", "=", ">=", ">"};
    for (int item = 0; item < 6; ++item)
        EXPECT_EQ(Typed([&] { AppendHooksFilter(true, item, aes); }), std::string("/<") + operators[item] + "(AES) ");
    EXPECT_EQ(Typed([&] { AppendHooksFilter(true, 9, aes); }), "/<>=(AES) ");
}

TEST_F(FilterAppend, BlankFilterWritesTheIgnoreVowelsMarkFirstInItsSet) {
    const LetterCounts vowels = CountsOf({{A, 1}, {E, 1}, {I, 1}, {O, 1}, {U, 1}});
    EXPECT_EQ(Typed([&] { AppendBlankFilter(1, vowels, false); }), "/:<=(AEIOU) ");
    EXPECT_EQ(Typed([&] { AppendBlankFilter(1, vowels, true); }), "/:<=(-AEIOU) ");
    EXPECT_EQ(Typed([] { AppendBlankFilter(5, CountsOf({{E, 2}, {S, 1}}), false); }), "/:>(2ES) ");
    EXPECT_EQ(Typed([] { AppendBlankFilter(2, LetterCounts{}, false); }), "/:!=( ) ");
    EXPECT_EQ(Typed([] { AppendBlankFilter(3, CountsOf({{Z, 1}}), false); }), "/:=(Z) ");
}

TEST_F(FilterAppend, SpanishSetsWriteTheSingleCInLowerCase) {
    SetLanguageTables(Language::Spanish);
    const LetterCounts cChEnye = CountsOf({{SpanishTileC, 1}, {SpanishTileCH, 1}, {SpanishTileEnye, 1}});
    EXPECT_EQ(Typed([&] { AppendBlankFilter(3, cChEnye, false); }), "/:=(cCH\xD1) ");
    EXPECT_EQ(Typed([] { AppendHooksFilter(false, 3, CountsOf({{28, 1}})); }), "/>=(1Z) ");
}

TEST_F(FilterAppend, DefinitionTextsTurnStoredBlanksIntoTypedBars) {
    EXPECT_EQ(TypedDefinitionText(" noun "), "noun");
    EXPECT_EQ(TypedDefinitionText("noun "), "|noun");
    EXPECT_EQ(TypedDefinitionText(" noun"), "noun|");
    EXPECT_EQ(TypedDefinitionText("noun"), "|noun|");
    EXPECT_EQ(TypedDefinitionText(" "), "");
    EXPECT_EQ(TypedDefinitionText("  "), "");
    EXPECT_EQ(TypedDefinitionText(""), "||");
}

TEST_F(FilterAppend, DefinitionFilterIsOneTextWithItsOwnBlank) {
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(0, " noun ", true); }), "/\"noun\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(1, "verb ", true); }), "/\"!|verb\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(1, " verb ", true); }), "/\"!verb\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(0, "", true); }), "/\"\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(7, "", true); }), "/\"!\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(1, "|plural", false); }), "/\"!|plural\" ");
    EXPECT_EQ(rechecks, 6);
}

TEST_F(FilterAppend, OrderingCommandsQuoteTheOrderingWithoutABlank) {
    EXPECT_EQ(Typed([] { AppendRackOrderCommand("AEIOU BCDFGHJKLMNPQRSTVWXYZ?"); }),
              "/.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"");
    EXPECT_EQ(Typed([] { AppendCanonOrderCommand(""); }), "/;\"\"");
}

TEST_F(FilterAppend, TextAndBlankAreAppendedOneAfterTheOtherToTheLine) {
    SetCommandLine("AEINRST");
    AppendWordLengthFilter(5, 7, 0);
    EXPECT_EQ(CommandLine(), "AEINRST/|=7  ");
    EXPECT_EQ(rechecks, 2);
}

// Records whether the program was moving the focus when the field got it.
class FocusProbe : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) movedByProgram = ProgramMovingFocus != 0;
        return false;
    }
    bool movedByProgram = false;
};

TEST_F(FilterAppend, TheWorkspaceTakesTheFocusAsAProgramMove) {
    QWidget window;
    auto* workspace = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    FocusProbe probe;
    workspace->installEventFilter(&probe);
    WorkspaceEdit = workspace;

    AppendBlankFilter(0, LetterCounts{}, false);

    WorkspaceEdit = nullptr;
    EXPECT_TRUE(workspace->hasFocus());
    EXPECT_TRUE(probe.movedByProgram);
    EXPECT_EQ(ProgramMovingFocus, 0);
}

TEST(FilterRules, SetRelationItemsFollowTheCodesAndAnyOtherCodeIsAtLeast) {
    const std::int32_t codes[] = {RelationBelow, RelationAtMost,  RelationNotEqual,
                                  RelationEqual, RelationAtLeast, RelationAbove};
    for (int item = 0; item < 6; ++item) EXPECT_EQ(SetRelationItem(codes[item]), item);
    for (const std::int32_t code : {std::int32_t{RelationRange}, std::int32_t{RelationHalfOpen}, 0, 99, -1})
        EXPECT_EQ(SetRelationItem(code), 4) << code;
}

TEST(FilterRules, NumericValuesMustFitTheRelationAndWordLengthsTheLexicon) {
    struct Case {
        int item;
        std::int64_t value1, value2;
        bool holds, lengthHolds;  // any editor; the word-length editor with a longest word of 15
    };
    const Case cases[] = {
        {0, 3, 9, true, true},   {0, 9, 9, true, true},        {0, 9, 3, false, false}, {1, 8, 9, true, true},
        {1, 9, 9, false, false}, {2, 0, 0, false, false},      {2, 1, 0, true, true},   {3, 1, 0, true, false},
        {3, 2, 0, true, true},   {4, 0, 0, true, true},        {4, 99, 0, true, true},  {5, 15, 0, true, true},
        {5, 16, 0, true, false}, {6, 16, 0, true, false},      {6, 0, 0, true, true},   {7, 14, 0, true, true},
        {7, 15, 0, true, false}, {7, INT_MAX, 0, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumericRelationHolds(c.item, c.value1, c.value2), c.holds) << c.item << " " << c.value1;
        EXPECT_EQ(WordLengthRelationHolds(c.item, c.value1, c.value2, 15), c.lengthHolds) << c.item << " " << c.value1;
    }
}

TEST(FilterRules, AStringsProbabilityIsTheWaysToDrawItsTilesFromTheBag) {
    ResetProgramState();
    const std::span<const std::int16_t> bag(EnglishTileCounts.data(), LatinTileCount);
    EXPECT_EQ(ProbabilityOfString("QI", bag), 9);  // 1 Q x 9 I
    EXPECT_EQ(ProbabilityOfString("Qi", bag), 9);
    EXPECT_EQ(ProbabilityOfString("EE", bag), 66);  // C(12, 2)
    EXPECT_EQ(ProbabilityOfString("", bag), 0);
    EXPECT_EQ(ProbabilityOfString("ZZ", bag), 0);  // one Z in the bag
    for (const char* refused : {"Q1", "Q I", "\xC9", "{A}"}) EXPECT_EQ(ProbabilityOfString(refused, bag), std::nullopt);
    EXPECT_EQ(ProbabilityOfString("EEEEEEAAAAAIIIIIOOOOONNNNNRRRRR", bag), std::nullopt) << "beyond 32 bits";
    SetLanguageTables(Language::Spanish);
    const std::span<const std::int16_t> spanish(SpanishTileCounts.data(), SpanishTileCount);
    EXPECT_EQ(ProbabilityOfString("CH", spanish), 1) << "one CH tile, not a C and an H";
    EXPECT_EQ(ProbabilityOfString("\xD1", spanish), 1);
    EXPECT_EQ(ProbabilityOfString("K", spanish), std::nullopt);
    ResetProgramState();
}

TEST(FilterRules, DefinitionSearchesTakeOneTextOrTwoJoinedByTheirConnective) {
    EXPECT_EQ(DefinitionSearchCommand("noun", 0, "ignored"), "/SD \"noun\" ");
    EXPECT_EQ(DefinitionSearchCommand("noun", 1, "plural"), "/SD \"noun\" & \"plural\" ");
    EXPECT_EQ(DefinitionSearchCommand("noun", 2, "plural"), "/SD \"noun\" &! \"plural\" ");
    EXPECT_EQ(DefinitionSearchCommand("|to", 3, "verb|"), "/SD \"|to\" | \"verb|\" ");
    for (const char* empty : {"", "|", "||"}) {
        EXPECT_EQ(DefinitionSearchCommand(empty, 0, ""), std::nullopt) << empty;
        EXPECT_EQ(DefinitionSearchCommand("noun", 2, empty), std::nullopt) << empty;
    }
}

}  // namespace
}  // namespace qora
