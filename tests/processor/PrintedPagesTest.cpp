#include "processor/PrintedPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qora {
namespace {

using Pages = std::vector<PrintedPage>;

TEST(WorkspacePages, LeavesOutTheLastLineAndIdleCommandLinesAndBreaksAtSeparators) {
    const std::vector<std::string> lines = {
        "QORA?: ANGER", "ANGER", "RANGE", "-----", "QORA?: ", "QORA?:  /M\"BC\" ", "QORA?: /L5", "ONE",
        "-----",        "-----", "TWO",   "THREE", "FOUR",    "QORA?: /PW \"x\" "};
    EXPECT_EQ(WorkspacePages(lines, 60),
              (Pages{{"QORA?: ANGER", "ANGER", "RANGE"}, {"QORA?: /L5", "ONE"}, {"TWO", "THREE", "FOUR"}}));
    EXPECT_EQ(WorkspacePages(lines, 2),
              (Pages{{"QORA?: ANGER", "ANGER"}, {"RANGE"}, {"QORA?: /L5", "ONE"}, {"TWO", "THREE"}, {"FOUR"}}));
    EXPECT_EQ(WorkspacePages({"QORA?: /PW \"x\" "}, 60), Pages{{}}) << "one empty page";
    EXPECT_EQ(WorkspacePages({}, 0), Pages{{}});
}

TEST(PageHeading, NamesThePageAndTheirNumber) {
    EXPECT_EQ(PageHeading("QORA Output", 2, 5), "QORA Output -- Page 2 of 5");
    EXPECT_EQ(PageHeading("", 1, 1), " -- Page 1 of 1");
}

TEST(LayOutPage, HeaderFooterOrNeither) {
    PageSettings settings;  // 120, 120, 0, 8, header, 40
    PageLayout header = LayOutPage(settings, 1000, 50);
    EXPECT_EQ(header.HeadingTop, 120);
    EXPECT_EQ(header.FirstLineTop, 210);
    EXPECT_EQ(header.LinePitch, 58);
    EXPECT_EQ(header.LinesPerPage, 13);  // the 13th line ends at 210 + 12 * 58 + 50 = 956

    settings.HeaderFooterMode = PageFooter;
    settings.BottomMargin = 100;
    const PageLayout footer = LayOutPage(settings, 1000, 50);
    EXPECT_EQ(footer.HeadingTop, 850);
    EXPECT_EQ(footer.FirstLineTop, 120);
    EXPECT_EQ(footer.LinesPerPage, 12);  // the 12th ends at 808, above 810

    settings.HeaderFooterMode = NoHeaderOrFooter;
    const PageLayout neither = LayOutPage(settings, 1000, 50);
    EXPECT_EQ(neither.HeadingTop, -1);
    EXPECT_EQ(neither.LinesPerPage, 13);  // up to 900

    EXPECT_EQ(LayOutPage(settings, 100, 50).LinesPerPage, 1) << "a page too small still takes a line";
}

}  // namespace
}  // namespace qora
