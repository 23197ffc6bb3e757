#include "engine/PresentationLayout.h"

#include <gtest/gtest.h>

#include "engine/QueryRecords.h"

namespace qora {
namespace {

using Lines = std::vector<std::string>;

// Seven entries of lengths 2, 3, 4, 1, 5, 2, 3.
const Lines Words{"AB", "CDE", "FGHI", "J", "KLMNO", "PQ", "RST"};

// A layout of the seven words worked out by hand. A width of 0 counts
// `columns` entries instead of characters.
struct LayoutCase {
    std::int32_t layout;
    std::int32_t parameter;
    std::int32_t width;
    std::int32_t columns;
    std::int32_t rowsPerPage;
    Lines expected;
};

Lines LaidOut(const LayoutCase& c, const Lines& words = Words) {
    std::vector<MarkedText> entries;
    for (const std::string& word : words) entries.push_back({word, {}});
    const LayoutShape shape{c.layout, c.parameter, c.width, c.columns, c.rowsPerPage, "----"};
    Lines texts;
    for (const MarkedText& line : LayOutEntries(entries, shape)) texts.push_back(line.Text);
    return texts;
}

TEST(PresentationLayoutTest, EveryLayoutWithItsWidthAndPaging) {
    const LayoutCase cases[] = {
        {LayoutOnePerLine, 1, 3, 0, 0, Words},
        {LayoutPackedRows, 1, 12, 0, 0, {"AB CDE FGHI", "J KLMNO PQ", "RST"}},
        {LayoutPackedRows, 1, 2, 0, 0, Words},  // wider entries still get their lines
        {LayoutPackedRows, 3, 0, 3, 0, {"AB   CDE   FGHI", "J   KLMNO   PQ", "RST"}},
        {LayoutPackedRowsCommas, 2, 14, 0, 0, {"AB,  CDE,", "FGHI,  J,", "KLMNO,  PQ,", "RST"}},
        {LayoutColumnatedRowsMinimal, 1, 16, 0, 0, {"AB    CDE FGHI J", "KLMNO PQ  RST"}},
        {LayoutColumnatedRowsMinimal, 1, 0, 2, 0, {"AB    CDE", "FGHI  J", "KLMNO PQ", "RST"}},
        {LayoutColumnatedRowsMinimal, 1, 1, 0, 0, Words},  // one column when none fits
        {LayoutColumnatedRowsFixed, 6, 20, 0, 1, {"AB    CDE   FGHI  J", "KLMNO PQ    RST"}},  // no pages in rows
        {LayoutColumnatedRowsExpandable, 8, 20, 0, 0, {"AB      CDE     FGHI", "J       KLMNO   PQ", "RST"}},
        {LayoutColumnatedRowsExpandable, 2, 17, 0, 0, {"AB    CDE   FGHI", "J     KLMNO PQ", "RST"}},
        {LayoutColumnsMinimal, 2, 16, 0, 0, {"AB    J      RST", "CDE   KLMNO", "FGHI  PQ"}},
        {LayoutColumnsExpandable, 3, 13, 0, 0, {"AB    KLMNO", "CDE   PQ", "FGHI  RST", "J"}},
        {LayoutColumnsFixed, 6, 0, 2, 2, {"AB    FGHI", "CDE   J", "----", "KLMNO RST", "PQ"}},
        {LayoutColumnsFixed, 6, 13, 0, 2, {"AB    FGHI", "CDE   J", "----", "KLMNO RST", "PQ"}},
        {LayoutColumnsFixed, 6, 0, 2, 1, {"AB    CDE", "----", "FGHI  J", "----", "KLMNO PQ", "----", "RST"}},
    };
    for (const LayoutCase& c : cases)
        EXPECT_EQ(c.expected, LaidOut(c)) << "layout " << c.layout << " parameter " << c.parameter << " width "
                                          << c.width << " columns " << c.columns << " rows " << c.rowsPerPage;
    EXPECT_EQ((Lines{"AB  KLMNO PQ", "RST J"}),
              LaidOut({LayoutColumnatedRowsFixed, 4, 0, 3, 0, {}}, {"AB", "KLMNO", "PQ", "RST", "J"}))
        << "an entry as wide as its column pushes the rest of its row on";
    for (std::int32_t layout = LayoutOnePerLine; layout <= LayoutColumnsExpandable; ++layout)
        EXPECT_TRUE(LaidOut({layout, 1, 80, 0, 0, {}}, {}).empty()) << "layout " << layout;
}

TEST(PresentationLayoutTest, BlankMarksMoveWithTheirEntries) {
    const std::vector<MarkedText> entries{{"cAT", {{0, 1}}}, {"DOgS", {{2, 1}}}, {"EMU", {}}};
    const std::vector<MarkedText> lines = LayOutEntries(entries, {LayoutColumnatedRowsFixed, 5, 10, 0, 0, ""});
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("cAT  DOgS", lines[0].Text);
    EXPECT_EQ((std::vector<MarkRange>{{0, 1}, {7, 1}}), lines[0].Marks);
}

TEST(PresentationLayoutTest, SettingsGiveTheWidthInRange) {
    Settings settings;
    settings.LayoutParameter = 0;
    LayoutShape shape = LayoutOf(settings, 97, "--");
    EXPECT_EQ(1, shape.Parameter);
    EXPECT_EQ(97, shape.Width) << "the workspace's width";

    settings.WorkspaceWidthSwitch = 0;
    settings.MaximumWidth = 5000000;
    settings.LayoutParameter = 99999;
    settings.RowsPerPage = -4;
    shape = LayoutOf(settings, 97, "--");
    EXPECT_EQ(1000, shape.Width);
    EXPECT_EQ(255, shape.Parameter);
    EXPECT_EQ(0, shape.RowsPerPage);

    settings.CharactersSwitch = 0;
    settings.MaximumWidth = 6;
    shape = LayoutOf(settings, 97, "--");
    EXPECT_EQ(0, shape.Width);
    EXPECT_EQ(6, shape.Columns);
}

}  // namespace
}  // namespace qora
