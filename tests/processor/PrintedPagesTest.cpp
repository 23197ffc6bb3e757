#include "processor/PrintedPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qora {
namespace {

using Pages = std::vector<PrintedPage>;
using Rows = std::vector<std::string>;

int Characters(std::string_view text) { return static_cast<int>(text.size()); }

// A W three times as wide as any other character.
int WideW(std::string_view text) { return Characters(text) + 2 * static_cast<int>(std::ranges::count(text, 'W')); }

std::string Printed(std::string_view text) {
    std::string printed(text);
    std::erase(printed, ' ');
    return printed;
}

TEST(WrappedRows, BreakAfterTheLastWordThatFitsAndLoseNothing) {
    struct Case {
        std::string Line;
        int Width;
        Rows Expected;
        TextWidth Measure = Characters;
    };
    const std::vector<Case> cases = {
        {"ANGER", 5, {"ANGER"}},
        {"", 5, {""}},
        {"ANGER     ", 5, {"ANGER"}},
        {"ANGER", 4, {"ANGE", "R"}},
        {"AB CD EF", 5, {"AB CD", "EF"}},
        {"AB CD EF", 6, {"AB CD", "EF"}},
        {"AB   CD", 3, {"AB", "CD"}},
        {"ABCDEFGH IJ", 4, {"ABCD", "EFGH", "IJ"}},
        {"   INDENTED WORDS", 12, {"   INDENTED", "WORDS"}},
        {"  ABCDEFGHIJ", 5, {"  ABC", "DEFGH", "IJ"}},
        {"cannot be read: No such file or directory", 20, {"cannot be read: No", "such file or", "directory"}},
        {"AB", 0, {"A", "B"}},
        {"WWW AB", 4, {"W", "W", "W", "AB"}, WideW},
        {"AB WC", 5, {"AB", "WC"}, WideW},
    };
    for (const Case& c : cases) {
        const Rows rows = WrappedRows(c.Line, c.Width, c.Measure);
        EXPECT_EQ(rows, c.Expected) << c.Line << " in " << c.Width;
        std::string printed;
        for (const std::string& row : rows) {
            EXPECT_TRUE(c.Measure(row) <= c.Width || row.size() == 1) << row;
            printed += Printed(row);
        }
        EXPECT_EQ(printed, Printed(c.Line)) << "every character printed, in order";
    }
}

TEST(WorkspacePages, LeavesOutTheLastLineAndIdleCommandLinesAndBreaksAtSeparators) {
    const std::vector<std::string> lines = {
        "QORA?: ANGER", "ANGER", "RANGE", "-----", "QORA?: ", "QORA?:  /M\"BC\" ", "QORA?: /L5", "ONE",
        "-----",        "-----", "TWO",   "THREE", "FOUR",    "QORA?: /PW \"x\" "};
    EXPECT_EQ(WorkspacePages(lines, 60, 100, Characters),
              (Pages{{"QORA?: ANGER", "ANGER", "RANGE"}, {"QORA?: /L5", "ONE"}, {"TWO", "THREE", "FOUR"}}));
    EXPECT_EQ(WorkspacePages(lines, 2, 100, Characters),
              (Pages{{"QORA?: ANGER", "ANGER"}, {"RANGE"}, {"QORA?: /L5", "ONE"}, {"TWO", "THREE"}, {"FOUR"}}));
    EXPECT_EQ(WorkspacePages({"QORA?: /PW \"x\" "}, 60, 100, Characters), Pages{{}}) << "one empty page";
    EXPECT_EQ(WorkspacePages({}, 0, 100, Characters), Pages{{}});
}

TEST(WorkspacePages, AWrappedLineTakesARowOfThePageForEachPart) {
    const std::vector<std::string> lines = {"QORA?: X", "ABCDEFGHIJ", "KL", "QORA?: /PW \"x\" "};
    EXPECT_EQ(WorkspacePages(lines, 3, 4, Characters), (Pages{{"QORA", "?: X", "ABCD"}, {"EFGH", "IJ", "KL"}}));
}

TEST(PageHeading, NamesThePageAndTheirNumber) {
    EXPECT_EQ(PageHeading("QORA Output", 2, 5), "QORA Output -- Page 2 of 5");
    EXPECT_EQ(PageHeading("", 1, 1), " -- Page 1 of 1");
}

TEST(LayOutPage, HeaderFooterOrNeither) {
    PageSettings settings;  // 120, 120, 120, 8, header, 40
    PageLayout header = LayOutPage(settings, 800, 1000, 50);
    EXPECT_EQ(header.Left, 120);
    EXPECT_EQ(header.RowWidth, 560) << "the right margin is the left one";
    EXPECT_EQ(header.HeadingTop, 120);
    EXPECT_EQ(header.FirstLineTop, 210);
    EXPECT_EQ(header.LinePitch, 58);
    EXPECT_EQ(header.LinesPerPage, 11);  // the 11th line ends at 210 + 10 * 58 + 50 = 840, above 880

    settings.HeaderFooterMode = PageFooter;
    settings.BottomMargin = 100;
    const PageLayout footer = LayOutPage(settings, 800, 1000, 50);
    EXPECT_EQ(footer.HeadingTop, 850);
    EXPECT_EQ(footer.FirstLineTop, 120);
    EXPECT_EQ(footer.LinesPerPage, 12);  // the 12th ends at 808, above 810

    settings.HeaderFooterMode = NoHeaderOrFooter;
    const PageLayout neither = LayOutPage(settings, 800, 1000, 50);
    EXPECT_EQ(neither.HeadingTop, -1);
    EXPECT_EQ(neither.LinesPerPage, 13);  // up to 900

    EXPECT_EQ(LayOutPage(settings, 800, 100, 50).LinesPerPage, 1) << "a page too small still takes a line";
    EXPECT_EQ(LayOutPage(settings, 200, 1000, 50).RowWidth, 1) << "a page too narrow still takes a character";
}

}  // namespace
}  // namespace qora
