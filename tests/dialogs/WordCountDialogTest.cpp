// The Word Count dialog: the count typed, the box it updates and the text it
// types with the presentation's mark.
#include "dialogs/WordCountDialog.h"

#include <QPushButton>

#include "platform/qt/NumberField.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class WordCountDialogTest : public CommandDialogTest {
protected:
    void SetUp() override {
        CommandDialogTest::SetUp();
        dialog.ShowSlateWordCount = [this](std::int32_t count) { shownCounts.push_back(count); };
    }

    // Opens the dialog on a count and a kind, types `text` over the count and
    // presses OK; returns what was typed onto the command line.
    std::string OkWith(std::int32_t count, PresentationKind kind, const char* text) {
        DisplayedSettings.PresentationCount = count;
        DisplayedSettings.PresentationKind = kind;
        ClearLine();
        Open(dialog);
        Retype(*dialog.Value, text);
        if (dialog.OK->isEnabled()) dialog.OK->click();
        return Typed();
    }

    TEditWordCountValue dialog;
    std::vector<std::int32_t> shownCounts;
};

TEST_F(WordCountDialogTest, OpensOnTheCountRightAlignedWithItsDigitsSelected) {
    DisplayedSettings.PresentationCount = 25;
    Open(dialog);
    EXPECT_EQ(dialog.Value->text(), QString(13, ' ') + "25");
    EXPECT_EQ(dialog.Value->selectedText(), "25");
    EXPECT_TRUE(dialog.Value->hasFocus());
    EXPECT_TRUE(dialog.OK->isEnabled());
}

TEST_F(WordCountDialogTest, OKTypesTheCountWithThePresentationsMarkAndShowsItInTheBox) {
    struct Case {
        std::int32_t count;
        PresentationKind kind;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {25, PresentationCountQuestion, "30", "30~"},
        {25, PresentationCountWith, "30", "30'"},
        {25, PresentationCountQuestion, "123456", "123456~"},
        {25, PresentationCountWith, " 75 ", "75'"},
        {25, PresentationCountQuestion, "", "0~"},          // an emptied field is 0
        {0, PresentationCountQuestion, "", ""},             // ... which is no change here
        {25, PresentationCountQuestion, "25", ""},          // unchanged: nothing typed
        {25, PresentationCountQuestion, "2x", ""},          // OK disabled
        {25, PresentationCountQuestion, "2147483648", ""},  // beyond 32 bits: OK disabled
    };
    for (const Case& c : cases) {
        shownCounts.clear();
        EXPECT_EQ(OkWith(c.count, c.kind, c.typed), c.expected) << c.typed;
        const bool changed = *c.expected != '\0';
        EXPECT_EQ(shownCounts.size(), changed ? 1u : 0u) << c.typed;
        EXPECT_EQ(DisplayedSettings.PresentationCount, changed ? shownCounts.back() : c.count) << c.typed;
        dialog.hide();
    }
}

TEST_F(WordCountDialogTest, EnterConfirmsEscCancelsAndHelpStaysOpen) {
    DisplayedSettings.PresentationCount = 25;
    DisplayedSettings.PresentationKind = PresentationCountQuestion;
    Open(dialog);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    dialog.Value->selectAll();
    QTest::keyClicks(dialog.Value, "40");
    QTest::keyClick(dialog.Value, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
    Open(dialog);  // a second showing starts again from the settings
    EXPECT_EQ(dialog.Value->text().trimmed(), "25");
    dialog.Value->selectAll();
    QTest::keyClicks(dialog.Value, "40");
    QTest::keyClick(dialog.Value, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "40~");
}

TEST_F(WordCountDialogTest, Layout) { ExpectSoundLayoutInBothLanguages(dialog, "word-count"); }

}  // namespace
}  // namespace qora
