#include "platform/qt/PageControl.h"
#include "support/qt/WidgetLayout.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

namespace qora {
namespace {

class PageControlTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        for (const char* caption : {"Letter", "Blank", "Built-in Set, Score- or Count-based Set", "Word-based Set",
                                    "Specified Set", "All-but Set", "User-defined Set", "Query-based Set"})
            pages.AddPage(new QLabel(caption), caption);
    }

    int Row(int index) const { return pages.Tab(index)->y() / pages.Tab(index)->height(); }
    void Click(int index) { QTest::mouseClick(pages.Tab(index), Qt::LeftButton); }

    PageControl pages;
};

// Long captions wrap into rows, each caption whole; the active tab's row
// stands next to the pages.
TEST_F(PageControlTest, TabsWrapIntoRowsAndTheActiveRowMeetsThePages) {
    pages.resize(pages.Tab(2)->sizeHint().width() * 2, 300);
    pages.show();
    int lastRow = 0;
    for (int index = 0; index < pages.PageCount(); ++index) lastRow = std::max(lastRow, Row(index));
    EXPECT_GE(lastRow, 1);
    for (int index = 0; index < pages.PageCount(); ++index)
        EXPECT_GE(pages.Tab(index)->width(), pages.Tab(index)->sizeHint().width()) << index;
    EXPECT_EQ(Row(0), lastRow) << "the active tab's row is last";
    Click(pages.PageCount() - 1);
    EXPECT_NE(Row(0), Row(pages.PageCount() - 1));
    EXPECT_EQ(Row(pages.PageCount() - 1), lastRow);
    for (const std::string& fault : LayoutFaults(pages)) ADD_FAILURE() << fault;

    pages.resize(4000, 300);
    EXPECT_EQ(Row(pages.PageCount() - 1), 0) << "one row when there is room";
    EXPECT_EQ(pages.Tab(0)->width(), pages.Tab(0)->sizeHint().width());
}

TEST_F(PageControlTest, TheUsersChoiceIsReportedAndDisabledPagesAreSkipped) {
    pages.resize(1200, 300);
    pages.show();
    QApplication::setActiveWindow(&pages);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages));
    QSignalSpy changed(&pages, &PageControl::changed);
    pages.SetActivePage(3);
    EXPECT_EQ(pages.ActivePage(), pages.Page(3));
    EXPECT_EQ(changed.count(), 0) << "the program's own choice";
    Click(3);
    EXPECT_EQ(changed.count(), 0) << "the active page again";
    EXPECT_TRUE(pages.Tab(3)->isChecked());

    pages.SetPageEnabled(1, false);
    EXPECT_FALSE(pages.Page(1)->isEnabled());
    Click(1);
    EXPECT_EQ(pages.ActivePageIndex(), 3);
    Click(0);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toInt(), 0);

    pages.SetTabVisible(2, false);
    pages.Tab(0)->setFocus();
    QTest::keyClick(pages.Tab(0), Qt::Key_Right);
    EXPECT_EQ(pages.ActivePageIndex(), 3) << "past the disabled and the hidden page";
    EXPECT_TRUE(pages.Tab(3)->hasFocus());
    QTest::keyClick(pages.Tab(3), Qt::Key_Left);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_EQ(changed.count(), 2);
}

}  // namespace
}  // namespace qora
