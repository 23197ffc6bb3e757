// The filters that the filter editors type onto the command line, as the
// main window's check boxes also type them, and the focus they give back to
// the workspace.
#include "dialogs/FilterAppend.h"
#include "engine/Tiles.h"
#include "platform/qt/Focus.h"
#include "processor/Console.h"
#include "support/CommandLineTyping.h"

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

class FilterAppend : public test::CommandLineTyping {};

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

TEST_F(FilterAppend, DefinitionFilterIsOneTextWithItsOwnBlank) {
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(0, " noun ", true); }), "/\"noun\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(1, "verb ", true); }), "/\"!|verb\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(1, " verb ", true); }), "/\"!verb\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(0, "", true); }), "/\"\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(7, "", true); }), "/\"!\" ");
    EXPECT_EQ(Typed([] { AppendDefinitionFilter(1, "|plural", false); }), "/\"!|plural\" ");
    EXPECT_EQ(rechecks, 6);
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

}  // namespace
}  // namespace qora
