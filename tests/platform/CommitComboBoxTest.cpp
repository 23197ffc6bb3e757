#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

// A window with a field before the list, the list, and its next control.
class ListWindow : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before = new QLineEdit);
        layout->addWidget(box = new CommitComboBox);
        layout->addWidget(next = new QLineEdit);
        box->addItems({"x - y", "x < y", "<", "<=", "!=", "=", ">=", ">"});
        box->setCurrentIndex(6);
        box->SetNextControl(next);
        QObject::connect(box, &CommitComboBox::committed, [this](int index) { commits.push_back(index); });
        QObject::connect(box, &CommitComboBox::reselected, [this] { ++reselections; });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }

    void TabIntoList() {
        QTest::keyClick(before, Qt::Key_Tab);
        ASSERT_TRUE(box->hasFocus());
    }

    void PickWithMouse(int index) { qora::PickWithMouse(*box, index); }

    QWidget window;
    QLineEdit* before = nullptr;
    CommitComboBox* box = nullptr;
    QLineEdit* next = nullptr;
    std::vector<int> commits;
    int reselections = 0;
};

TEST_F(ListWindow, EnteringTakesTheShownItemAsCommitted) {
    box->SetCommittedIndex(0);
    TabIntoList();
    EXPECT_EQ(box->CommittedIndex(), 6);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_FALSE(box->KeyNavigation());
}

TEST_F(ListWindow, AMousePickCommitsAtOnceAndMovesTheFocusOn) {
    TabIntoList();
    PickWithMouse(2);
    EXPECT_EQ(commits, std::vector<int>{2});
    EXPECT_EQ(box->CommittedIndex(), 2);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(ListWindow, PickingTheCommittedItemAgainOnlyMovesTheFocusOn) {
    TabIntoList();
    PickWithMouse(6);
    EXPECT_TRUE(commits.empty());
    EXPECT_EQ(reselections, 1);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(ListWindow, AKeyboardChangeTakesEffectWhenTheListIsLeft) {
    TabIntoList();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->currentIndex(), 7);
    EXPECT_TRUE(box->KeyNavigation());
    EXPECT_TRUE(commits.empty());
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(commits, std::vector<int>{7});
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(ListWindow, KeyNavigationInsideTheDroppedListWaitsForTheExit) {
    TabIntoList();
    box->showPopup();
    EXPECT_TRUE(box->DroppedDown());
    QTest::keyClick(box->view(), Qt::Key_Up);
    EXPECT_TRUE(box->KeyNavigation());
    QTest::keyClick(box->view(), Qt::Key_Return);
    EXPECT_EQ(box->currentIndex(), 5);
    EXPECT_FALSE(box->KeyNavigation());  // the click that the key caused only cleared it
    EXPECT_TRUE(commits.empty());
    QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(commits, std::vector<int>{5});
}

TEST_F(ListWindow, SpaceShowsTheNextItemAndWrapsToTheFirst) {
    TabIntoList();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->currentIndex(), 7);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_TRUE(box->KeyNavigation());
    EXPECT_TRUE(commits.empty());
}

TEST_F(ListWindow, EscClearsBothFlags) {
    TabIntoList();
    box->showPopup();
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Escape);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_FALSE(box->KeyNavigation());
}

TEST_F(ListWindow, ProgramFocusMovesSkipEnterAndExit) {
    box->SetCommittedIndex(1);
    MoveFocus(*box);
    EXPECT_EQ(box->CommittedIndex(), 1);  // no Enter
    box->setCurrentIndex(3);
    MoveFocus(*before);
    EXPECT_TRUE(commits.empty());  // no Exit
    EXPECT_EQ(ProgramMovingFocus, 0);
}

TEST_F(ListWindow, KeyDownIsReportedBeforeTheListMoves) {
    int shownAtKey = -1;
    QObject::connect(box, &CommitComboBox::keyDown, [&](KeyStroke) { shownAtKey = box->currentIndex(); });
    TabIntoList();
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(shownAtKey, 6);
    EXPECT_EQ(box->currentIndex(), 5);
}

TEST_F(ListWindow, TheDroppedListShowsALongItemWhole) {
    const std::string longItem = "a wordlist label and a line far longer than the list's box";
    box->SetItems({"short", longItem}, 0);
    box->showPopup();
    EXPECT_GE(box->view()->width(), box->view()->fontMetrics().horizontalAdvance(QString::fromStdString(longItem)));
    box->hidePopup();
}

}  // namespace
}  // namespace qora
