// How the controls word the settings they show and the texts they type.
#include "dialogs/texts/ControlTexts.h"

#include <gtest/gtest.h>

#include <vector>

namespace qora {
namespace {

Settings WithLayout(std::int32_t layout, std::int32_t parameter) {
    Settings settings;
    settings.OutputLayout = static_cast<OutputLayout>(layout);
    settings.LayoutParameter = parameter;
    return settings;
}

TEST(ControlTexts, EveryLayoutIsNamedWithItsParameter) {
    const char* expected[] = {
        "one per line",
        "packed rows, spacing 2",
        "packed rows with commas, spacing 2",
        "columnated rows, spacing 2",
        "columnated rows, width 2",
        "columnated rows, width >= 2",
        "columns, spacing 2",
        "columns, width 2",
        "columns, width >= 2",
    };
    for (int layout = 1; layout <= 9; ++layout) EXPECT_EQ(LayoutText(WithLayout(layout, 2)), expected[layout - 1]);
    EXPECT_EQ(LayoutText(WithLayout(12, 2)), "layout 12");
}

TEST(ControlTexts, WidthRowsAndSquareAreWordedAsTheLanguageSetsThem) {
    Settings settings;
    EXPECT_EQ(MaxWidthText(settings), "workspace width");
    settings.WorkspaceWidthSwitch = 0;
    settings.MaximumWidth = 60;
    EXPECT_EQ(MaxWidthText(settings), "60 characters");
    settings.CharactersSwitch = 0;
    settings.MaximumWidth = 8;
    EXPECT_EQ(MaxWidthText(settings), "8 columns");
    EXPECT_EQ(RowsPerPageText(settings), "55");
    settings.RowsPerPage = 0;
    EXPECT_EQ(RowsPerPageText(settings), "unlimited");
    settings.BoardRow = 11;
    settings.BoardColumn = 14;
    EXPECT_EQ(BoardSquareText(settings), "12O");
    settings.BoardOrientation = BoardVertical;
    EXPECT_EQ(BoardSquareText(settings), "O12");
}

TEST(ControlTexts, SortKeyItemsRoundTripAndTypeTheKeysInOrder) {
    for (int item = 1; item < SortKeyItemCount; ++item) {
        const std::optional<SortKey> key = SortKeyOfItem(item);
        ASSERT_TRUE(key);
        EXPECT_EQ(SortKeyItem(*key), item);
    }
    EXPECT_FALSE(SortKeyOfItem(0));
    EXPECT_FALSE(SortKeyOfItem(SortKeyItemCount));
    EXPECT_EQ(SortKeyItemCaption(0), "(none)");
    EXPECT_EQ(SortKeyItemCaption(SortKeyItemCount - 1), "Random, descending");
    const std::vector<SortKey> keys = {{SortKeyKind::Probability, true}, {SortKeyKind::Canonical, false}};
    EXPECT_EQ(SortKeysCommand(keys), "/K-PC ");
    EXPECT_EQ(SortKeysCommand({}), "/K- ");
}

TEST(ControlTexts, PresentationKindsTypeTheirCommand) {
    EXPECT_EQ(PresentationKindCommand(PresentationCountQuestion, 25), "25~");
    EXPECT_EQ(PresentationKindCommand(PresentationCountWith, 0), "0'");
    EXPECT_EQ(PresentationKindCommand(11, 25), "/P11 ");
    EXPECT_EQ(SlateWordCountText(25), "   25");
    EXPECT_TRUE(IsProbeKind(PresentationProbeColumn));
    EXPECT_FALSE(IsProbeKind(PresentationCountWith));
}

TEST(ControlTexts, QueryModesAndWordSources) {
    EXPECT_EQ(QueryModeItem(QueryModeGrid), 5);
    EXPECT_EQ(QueryModeItem(6), -1);
    EXPECT_EQ(QueryModeCommand(QueryModeGrid), "/Q10 ");
    EXPECT_EQ(WordSourceCommand(WordSourceLexicon), "/W- ");
    EXPECT_EQ(WordSourceCommand(0), "/W0 ");
    EXPECT_EQ(WordSourceText(0), "the slate");
    EXPECT_EQ(WordSourceText(12), "wordlist 12");
    EXPECT_EQ(RandomRacksCommand(1000000), "/. 1000000 ");
}

}  // namespace
}  // namespace qora
