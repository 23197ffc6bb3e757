// The large-output question: its count field and answers, and the road from
// a presentation on the query thread through the synchronous bridge, which
// must end whichever way the question is answered.
#include "dialogs/LargeOutputDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <atomic>
#include <thread>

#include "engine/Presentation.h"
#include "platform/qt/NumberField.h"
#include "processor/Threads.h"
#include "support/Deadline.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class LargeOutputTest : public CommandDialogTest {
protected:
    // Opens the question, replaces the count with `text` and returns whether
    // "Show This Many Initial Items:" is enabled.
    bool ThisManyAfterTyping(const char* text) {
        Open(question);
        Retype(*question.Value, text);
        return question.ShowThisMany->isEnabled();
    }

    TLargeOutput question;
};

// The digits are selected, also once the window is active with the focus
// elsewhere, so that typing in the count replaces them; every showing
// starts again from 500.
TEST_F(LargeOutputTest, OpensOn500RightAlignedInElevenCharactersWithTheFocusOnTheFirstAnswer) {
    for (int showing = 0; showing < 2; ++showing) {
        Open(question);
        QCoreApplication::processEvents();
        EXPECT_EQ(question.Value->text(), "        500");
        EXPECT_EQ(question.Value->selectedText(), "500");
        EXPECT_TRUE(question.Show25->hasFocus());
        EXPECT_TRUE(question.ShowThisMany->isEnabled());
        QTest::keyClick(question.Show25, Qt::Key_Tab);
        QTest::keyClick(question.Show250, Qt::Key_Tab);
        ASSERT_TRUE(question.Value->hasFocus());
        QTest::keyClicks(question.Value, "1200");
        EXPECT_EQ(question.Value->text().trimmed(), "1200");
        EXPECT_EQ(TypedItemCount, 1200);
        question.Cancel->click();
    }
}

// Enter answers with the button that has the focus; in the count it answers
// nothing, so that a count is never taken for another answer.
TEST_F(LargeOutputTest, EnterPressesTheFocusedAnswer) {
    Open(question);
    QKeyEvent heldDown(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(question.Show25, &heldDown);
    EXPECT_TRUE(question.isVisible()) << "the Enter that performed the query, repeated";
    QTest::keyClick(question.Show25, Qt::Key_Return);
    EXPECT_FALSE(question.isVisible());
    EXPECT_EQ(ItemsToShow, 25);
    Open(question);
    Retype(*question.Value, "1200");
    QTest::keyClick(question.Value, Qt::Key_Return);
    EXPECT_TRUE(question.isVisible());
    QTest::keyClick(question.Value, Qt::Key_Tab);
    ASSERT_TRUE(question.ShowThisMany->hasFocus());
    QTest::keyClick(question.ShowThisMany, Qt::Key_Enter);
    EXPECT_FALSE(question.isVisible());
    EXPECT_EQ(ItemsToShow, 1200);
}

TEST_F(LargeOutputTest, TheTypedCountEnablesShowThisManyOnlyWhenItIsANumber) {
    struct Case {
        const char* typed;
        bool enabled;
        std::int32_t count;
    };
    const Case cases[] = {{"1200", true, 1200},
                          {" 75 ", true, 75},
                          {"", true, 0},
                          {"7x5", false, -1},
                          {"2147483647", true, INT32_MAX},
                          {"2147483648", false, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(ThisManyAfterTyping(c.typed), c.enabled) << c.typed;
        if (c.enabled) {
            EXPECT_EQ(TypedItemCount, c.count) << c.typed;
        }
        question.hide();
    }
}

TEST_F(LargeOutputTest, ASecondShowingStartsAgainFrom500WithTheButtonEnabled) {
    EXPECT_FALSE(ThisManyAfterTyping("7x5"));
    question.ShowAll->click();
    Open(question);
    EXPECT_EQ(question.Value->text().trimmed(), "500");
    EXPECT_EQ(TypedItemCount, 500);
    EXPECT_TRUE(question.ShowThisMany->isEnabled());
    ExpectHelpKeepsDialogOpen(question, *question.Help);
}

// The whole road: a worker thread asks through the bridge while this (main)
// thread pumps it; the question shows modally under LargeOutputLock and is
// answered by `answer`.
struct BridgeAnswer {
    const char* name;
    std::function<void(TLargeOutput&)> answer;
    std::int32_t itemsToShow;
};

class LargeOutputBridgeTest : public CommandDialogTest {
protected:
    void SetUp() override {
        CommandDialogTest::SetUp();
        StartProcessorThreads();
        ThreadHooks.AskLargeOutput = AskLargeOutputQuestion;
    }

    // The answer the presentation on the query thread receives.
    std::int32_t AskedFromTheQueryThread(const std::function<void(TLargeOutput&)>& answer) {
        std::atomic<bool> lockHeldWhileShown{false};
        WhenModalOpens([&](QWidget& modal) {
            auto& question = static_cast<TLargeOutput&>(modal);
            EXPECT_EQ(question.Label1->text(), "You are requesting a presentation of 600 items.");
            std::thread probe([&] {
                lockHeldWhileShown = !LargeOutputLock.try_lock();
                if (!lockHeldWhileShown) LargeOutputLock.unlock();
            });
            probe.join();
            answer(question);
        });
        std::int32_t received = -99;
        QueryThread().SetWork([&] {
            ItemsToShow = 0;
            received = SlateThread::SyncAskLargeOutput(600);
            return true;
        });
        QueryThread().Request();
        EXPECT_TRUE(SyncBridge().RunPendingUntil([] { return !QueryThread().Busy(); }, std::chrono::seconds(10)));
        EXPECT_TRUE(lockHeldWhileShown) << "the question shows under LargeOutputLock";
        EXPECT_TRUE(LargeOutputLock.try_lock()) << "the lock is free again";
        LargeOutputLock.unlock();
        return received;
    }
};

TEST_F(LargeOutputBridgeTest, EveryAnswerReachesTheQueryThreadAndNothingDeadlocks) {
    const auto typeAndShow = [](const char* text) {
        return [text](TLargeOutput& question) {
            Retype(*question.Value, text);
            question.ShowThisMany->click();
        };
    };
    const BridgeAnswer answers[] = {
        {"Show25", [](TLargeOutput& q) { q.Show25->click(); }, 25},
        {"Show250", [](TLargeOutput& q) { q.Show250->click(); }, 250},
        {"1200", typeAndShow("1200"), 1200},
        {"erased", typeAndShow(""), 0},
        {"ShowAll", [](TLargeOutput& q) { q.ShowAll->click(); }, -1},
        {"Cancel", [](TLargeOutput& q) { q.Cancel->click(); }, 0},
        {"Esc", [](TLargeOutput& q) { QTest::keyClick(q.Value, Qt::Key_Escape); }, 0},
        {"frame", [](TLargeOutput& q) { q.close(); }, 0},
    };
    test::WithinDeadline([&] {
        for (const BridgeAnswer& a : answers) EXPECT_EQ(AskedFromTheQueryThread(a.answer), a.itemsToShow) << a.name;
    });
}

TEST_F(LargeOutputTest, Layout) {
    question.Label1->setText(QString::fromStdString(LargeOutputRequestText(123456)));
    ExpectSoundLayoutInBothLanguages(question, "large-output");
}

}  // namespace
}  // namespace qora
