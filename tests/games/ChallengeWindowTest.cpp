#include "games/ChallengeWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

#include "platform/Scaling.h"
#include "support/ChallengeTestSetup.h"
#include "support/TestLexicon.h"
#include "support/qt/WidgetLayout.h"

namespace qora {
namespace {

struct FakeHost : ChallengeHost {
    int hidden = 0, shown = 0, parked = 0, revertRestarts = 0;
    std::string prompt;
    void HideMainParts() override { ++hidden; }
    void ShowMainParts() override { ++shown; }
    void ParkMouseOnChallengeButton() override { ++parked; }
    void RestartRevertCountdown() override { ++revertRestarts; }
    std::string PromptLineWords() override { return prompt; }
};

class ChallengeWindowTest : public testing::Test {
protected:
    void SetUp() override { SetUpChallengeState(); }
    void TearDown() override { TearDownChallengeState(); }
    void Open() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    void Type(const char* text) { QTest::keyClicks(dialog.Words, QString::fromLatin1(text)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog.Words, key, modifiers);
    }
    QColor RulingColour() const { return dialog.Ruling->palette().color(QPalette::Text); }

    FakeHost host;
    std::set<std::string> words{"CAT", "DOG"};
    std::set<std::string> secondaryWords{"QI"};
    TChallengeDlg dialog{host, [this](int role, bool, std::string_view word) {
                             return (role == ChallengeRole ? words : secondaryWords).count(std::string(word)) != 0;
                         }};
};

TEST_F(ChallengeWindowTest, TypedGroupIsJudgedInColour) {
    Open();
    EXPECT_EQ(host.hidden, 1);
    EXPECT_EQ(dialog.windowTitle(), " Challenge Adjudication Using: New Tournament Lexicon");
    EXPECT_EQ(dialog.LexiconLabel->text(), "Challenge Adjudication Using:  NEWLEX");
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_FALSE(dialog.Icon->isVisible());
    EXPECT_TRUE(dialog.Cancel->isVisible());

    Type("q");  // the typing time-out shows and runs until a second letter
    EXPECT_TRUE(dialog.CountDown->isVisible());
    EXPECT_TRUE(dialog.Timer->isActive());
    Type("i");
    EXPECT_FALSE(dialog.CountDown->isVisible());
    EXPECT_FALSE(dialog.Timer->isActive());
    Key(Qt::Key_Delete);

    Type("cat dog");
    EXPECT_EQ(dialog.Words->toPlainText(), "CAT,DOG");
    Key(Qt::Key_Tab);
    EXPECT_EQ(dialog.Ruling->toPlainText(), "         Yes, the play is ACCEPTABLE");
    EXPECT_EQ(RulingColour(), QColor(0, 128, 0));
    EXPECT_TRUE(dialog.CountDown->isVisible());
    EXPECT_TRUE(dialog.Timer->isActive());
    EXPECT_TRUE(dialog.isVisible());  // TAB stays in the window

    Type("dogz");
    EXPECT_EQ(dialog.Ruling->toPlainText(), "");
    Key(Qt::Key_Comma);
    Key(Qt::Key_Tab);
    EXPECT_EQ(dialog.Ruling->toPlainText(), "         No, the play is UNACCEPTABLE");
    EXPECT_EQ(RulingColour(), QColor(255, 0, 0));

    Key(Qt::Key_Space);
    EXPECT_FALSE(dialog.CountDown->isVisible());
    EXPECT_FALSE(dialog.Timer->isActive());
}

TEST_F(ChallengeWindowTest, EscClosesAndTheMainWindowComesBack) {
    Open();
    Type("cat");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(host.shown, 1);
    EXPECT_EQ(host.parked, 1);
    EXPECT_EQ(host.revertRestarts, 1);
}

TEST_F(ChallengeWindowTest, CtrlZClosesWithoutGivingBackTheMainWindow) {
    Open();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ReopenChallengeOnRestore);
    EXPECT_EQ(host.shown, 0);

    ChallengeDlgOpening = true;  // the program is restored
    Open();
    EXPECT_EQ(host.hidden, 1);  // the parts are still hidden
    EXPECT_FALSE(ChallengeDlgOpening);
}

TEST_F(ChallengeWindowTest, LockedWindowClosesOnlyOnItsNumber) {
    ChallengeByCommand = 4711;
    Open();
    EXPECT_TRUE(dialog.Icon->isVisible());
    EXPECT_FALSE(dialog.Cancel->isVisible());
    EXPECT_FALSE(dialog.StoppingInfo->isVisible());
    EXPECT_EQ(dialog.windowTitle(), " QORA - Challenge Adjudication Using: New Tournament Lexicon");

    Type("cat");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Words->toPlainText(), "");
    dialog.reject();  // the Close button or the window's close box
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Words->toPlainText(), "Z");

    Type("4711");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ChallengeByCommand, 0);
    EXPECT_EQ(host.shown, 1);
}

TEST_F(ChallengeWindowTest, PromptWordsAreCarriedInAndAnotherLexiconTurnsItFuchsia) {
    ChallengeFromPromptLine = true;
    host.prompt = "/c cat dog";
    InitialChallengeLexicon = 1;
    Open();
    EXPECT_EQ(dialog.Words->toPlainText(), "CAT,DOG");
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 0, 255));
}

// The real word test on real lexicon files.
TEST(ChallengeWindowLexiconTest, RulesWithTheLexiconsThemselves) {
    TestLexiconFolder folder;
    folder.Add("A-NEW.QLX", {"CHURRO", "NI\xD1O", "PERRO"}, Language::Spanish);
    folder.Add("B-OLD.QLX", {"CHURRO", "PERRA"}, Language::Spanish);
    folder.Load(0, 1, 0);
    InterimChallengesOn = true;
    FakeHost host;
    TChallengeDlg dialog(host);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClick(dialog.Words, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClicks(dialog.Words, QStringLiteral("urro ni"));
    QTest::keyClick(dialog.Words, Qt::Key_Ntilde);
    QTest::keyClicks(dialog.Words, QStringLiteral("o"));
    EXPECT_EQ(dialog.Words->toPlainText(), QString::fromLatin1("CHURRO,NI\xD1O"));
    QTest::keyClick(dialog.Words, Qt::Key_Tab);
    EXPECT_EQ(dialog.Ruling->toPlainText(), "         Yes, the play is ACCEPTABLE");  // CHURRO agrees

    QTest::keyClicks(dialog.Words, QStringLiteral("perro"));
    QTest::keyClick(dialog.Words, Qt::Key_Tab);
    EXPECT_EQ(dialog.Ruling->toPlainText(), " Yes, the play is A-NEW-ACCEPTABLE - no penalty");
    InterimChallengesOn = false;
    dialog.reject();
}

// --- Looks ----------------------------------------------------------------------

// Run again at 144 pixels per inch by ctest. The dialog is made after SetUp,
// which takes the resolution from the screen.
class ChallengeWindowLayoutTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        SetUpChallengeState();
    }
    void TearDown() override {
        TearDownChallengeState();
        LayoutTest::TearDown();
    }
    void Judge(TChallengeDlg& dialog, const char* words) {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(dialog.Words, QString::fromLatin1(words));
        QTest::keyClick(dialog.Words, Qt::Key_Tab);
    }
    void ExpectNoLayoutFaults(const TChallengeDlg& dialog) {
        for (const std::string& fault : LayoutFaults(dialog)) ADD_FAILURE() << fault;
    }
    FakeHost host;
};

TEST_F(ChallengeWindowLayoutTest, SmallAndLargeScreens) {
    InterimChallengesOn = true;
    SecondaryLexiconIndex = 1;
    TChallengeDlg dialog(
        host, [](int role, bool, std::string_view word) { return (role == ChallengeRole) == (word == "CAT"); });
    Judge(dialog, "cat qi");  // a no-penalty ruling: the longest text
    EXPECT_EQ(dialog.Ruling->palette().color(QPalette::Text), QColor(0, 0, 255));

    const std::pair<QSize, const char*> screens[] = {
        {QSize(1024, 768), "challenge-1024x768"},
        {QSize(1920, 1080), "challenge-1920x1080"},
        {QSize(800, 600), "challenge-800x600"},  // labels over the whole width
    };
    for (auto [screen, name] : screens) {
        dialog.LayOut(screen);
        ExpectNoLayoutFaults(dialog);
        SaveGrab(dialog, name);
    }
    dialog.setFixedSize(Scaled(1600), Scaled(900));  // the main window may give it more room
    dialog.LayOut(QSize(Scaled(1920), Scaled(1080)));
    ExpectNoLayoutFaults(dialog);
    EXPECT_EQ(dialog.Ruling->geometry().center().x(), dialog.rect().center().x());
    SaveGrab(dialog, "challenge-wide");
}

TEST_F(ChallengeWindowLayoutTest, LockedWithTheLongestShortName) {
    LexiconTable[0].ShortName = "FIFTEEN-LETTERS";
    ChallengeByCommand = 12;
    TChallengeDlg dialog(host, [](int, bool, std::string_view) { return false; });
    Judge(dialog, "quixotic");
    EXPECT_EQ(dialog.size(), QSize(Scaled(788), Scaled(498)));
    dialog.LayOut(QSize(Scaled(1920), Scaled(1080)));
    ExpectNoLayoutFaults(dialog);  // the padlock included
    SaveGrab(dialog, "challenge-locked");
    ChallengeByCommand = 0;
}

}  // namespace
}  // namespace qora
