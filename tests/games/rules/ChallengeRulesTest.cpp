#include "games/rules/ChallengeRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "support/ChallengeTestSetup.h"
#include "support/EngineDataFixture.h"
#include "support/LocalTime.h"

namespace qora {
namespace {

struct FakeWindow : ChallengeWindowActions {
    int parks = 0;
    int closes = 0;
    std::string promptWords;
    void ParkMouseOnClose() override { ++parks; }
    void CloseWindow() override { ++closes; }
    void SwitchTimer(bool on) override { timerStarts += on; }
    int timerStarts = 0;
    std::string PromptLineWords() override { return promptWords; }
};

KeyStroke Plain(int code) { return {code, 0}; }
KeyStroke WithCtrl(int code) { return {code, ssCtrl}; }

std::time_t FixedNow = 0;
std::time_t FixedClock() { return FixedNow; }

class ChallengeRulesTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        SetUpChallengeState();
        FixedNow = test::LocalTime(2011, 6, 11, 12);
        RecordingClock = FixedClock;
        rules.FormActivate();
    }

    // Types text as keys: letters, digits, blank, comma; "\t" is TAB and
    // "\b" Backspace.
    void Type(std::string_view text) {
        for (char c : text) {
            switch (c) {
                case '\t': rules.WordsKeyDown(Plain(KeyTab)); break;
                case '\b': rules.WordsKeyDown(Plain(KeyBackspace)); break;
                case ',': rules.WordsKeyDown(Plain(KeyComma)); break;
                default: rules.WordsKeyDown(Plain(static_cast<unsigned char>(c)));
            }
        }
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) rules.TimerTimer();
    }

    std::set<std::string> challengeWords{"CAT", "DOG", "EE", "QI", "CHURRO", "NI\xD1O", "ABCDEFGHIJKLMNOP"};
    std::set<std::string> secondaryWords{"CAT", "DOG", "ZA"};
    std::vector<std::pair<int, std::string>> lookups;
    FakeWindow window;
    ChallengeRules rules{[this](int role, bool, std::string_view word) {
                             lookups.emplace_back(role, std::string(word));
                             const auto& words = role == ChallengeRole ? challengeWords : secondaryWords;
                             return words.count(std::string(word)) != 0;
                         },
                         window};
};

// --- Typing a group -------------------------------------------------------------

TEST_F(ChallengeRulesTest, DisplayJoinsCompletedWordsWithCommas) {
    Type("CAT DOG,EE");
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT,DOG,EE");
    rules.WordsKeyDown(Plain(KeyEnter));
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT,DOG,EE,");
    EXPECT_EQ(rules.CurrentChallengeWord(), "");
    Type("  ,");  // an empty word ends nothing
    EXPECT_EQ(rules.ChallengedWords().size(), 3u);
}

TEST_F(ChallengeRulesTest, WordIsCutAtFortyLettersAndGroupAtTwelveWords) {
    Type(std::string(45, 'A'));
    EXPECT_EQ(rules.CurrentChallengeWord(), std::string(40, 'A'));
    EXPECT_FALSE(rules.CountDownVisible());
    rules.ResetChallengeEntry();
    for (int i = 0; i < 12; ++i) Type("QI ");
    Type("ZA ");
    EXPECT_EQ(rules.ChallengedWords().size(), 12u);
    EXPECT_EQ(rules.CurrentChallengeWord(), "ZA");  // the thirteenth cannot be ended
}

TEST_F(ChallengeRulesTest, BackspaceEditsTheWordAndReopensTheLastCompletedOne) {
    Type("CAT DO\b\b");
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT,");
    Type("\b");
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT");
    EXPECT_TRUE(rules.ChallengedWords().empty());
    Type("\b\b\b");
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    Type("\b");  // nothing typed: nothing happens
    EXPECT_EQ(rules.ChallengedWordsText(), "");
}

TEST_F(ChallengeRulesTest, DeleteStartsOverAndFunctionKeysDoNothing) {
    Type("CAT D");
    for (int code = KeyF1; code <= KeyF12; ++code) rules.WordsKeyDown(Plain(code));
    rules.WordsKeyDown(Plain(KeyAlt));
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT,D");
    int parks = window.parks;
    rules.WordsKeyDown(Plain(KeyDelete));
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    EXPECT_EQ(window.parks, parks + 1);
    EXPECT_EQ(window.closes, 0);
}

// --- Spanish keys ---------------------------------------------------------------

// What keys type, without and with a Spanish challenge lexicon: accented keys
// folded (not I with an acute accent), K and W ignored, Ctrl+C, L, R and N
// give CH, LL, RR and \xD1 (a double tile goes in whole or not at all), any
// other Ctrl key nothing.
TEST_F(ChallengeRulesTest, KeysTypeTheLettersOfTheLanguage) {
    const auto keys = [](std::initializer_list<int> codes, ShiftState shift = 0) {
        std::vector<KeyStroke> strokes;
        for (int code : codes) strokes.push_back({code, shift});
        return strokes;
    };
    const auto plus = [](std::vector<KeyStroke> a, const std::vector<KeyStroke>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        bool spanish;
        std::vector<KeyStroke> keys;
        std::string typed;
    } cases[] = {
        {false, plus(keys({'C', 'A'}), keys({'C', 'N'}, ssCtrl)), "CA"},
        {false, keys({0xC1, 0xD1}), "\xD1"},  // accented keys are no letters here, but \xD1 is
        {true,
         keys({0xC1, 0xE1, 0xC8, 0xC9, 0xE8, 0xE9, 0xCE, 0xEE, 0xD3, 0xF3, 0xDA, 0xDC, 0xFA, 0xFC, 0xF1,
               CtrlNCharacter}),
         "AAEEEEIIOOUUUU\xD1\xD1"},
        {true, keys({0xCD, 0xED, 'K', 'W'}), ""},
        {true, keys({'C', 'L', 'R', 'N', 'A'}, ssCtrl), "CHLLRR\xD1"},
    };
    for (const Case& c : cases) {
        ChallengeLexiconSpanish = c.spanish;
        rules.ResetChallengeEntry();
        for (const KeyStroke& key : c.keys) rules.WordsKeyDown(key);
        EXPECT_EQ(rules.ChallengedWordsText(), c.typed) << c.spanish;
    }
    rules.ResetChallengeEntry();
    rules.WordsKeyDown(WithCtrl('C'));
    EXPECT_FALSE(rules.TypingTimeoutOn()) << "a double tile counts as two letters";
    rules.ResetChallengeEntry();
    Type(std::string(39, 'A'));
    rules.WordsKeyDown(WithCtrl('C'));
    Type("B");
    EXPECT_EQ(rules.CurrentChallengeWord(), std::string(39, 'A') + "B") << "no room for CH";
}

// The character event of \xF1 types \xD1 in Spanish only.
TEST_F(ChallengeRulesTest, SpanishEnyeCharacterEventAppendsEnye) {
    rules.WordsKeyPress(0xF1);
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    ChallengeLexiconSpanish = 1;
    rules.WordsKeyPress(0xF1);
    EXPECT_EQ(rules.ChallengedWordsText(), "\xD1");
    EXPECT_TRUE(rules.TypingTimeoutOn());
}

// --- Typing time-out ------------------------------------------------------------

TEST_F(ChallengeRulesTest, OneLetterGroupIsDroppedAfterNineSeconds) {
    Type("C");
    EXPECT_TRUE(rules.CountDownVisible());
    EXPECT_EQ(rules.CountDownText(),
              "Please continue typing, without delay, the word or words to be challenged. "
              "If you do not type more within 9 seconds, you will have to start over.");
    for (int left = 8; left >= 1; --left) {
        rules.TimerTimer();
        EXPECT_EQ(rules.CountDownText(), TypingTimeoutText(left));
    }
    EXPECT_NE(rules.CountDownText().find("within 1 second,"), std::string::npos);
    EXPECT_EQ(rules.ChallengedWordsText(), "C");
    rules.TimerTimer();
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    EXPECT_FALSE(rules.CountDownVisible());
    EXPECT_FALSE(rules.TimerOn());
}

TEST_F(ChallengeRulesTest, SecondLetterOrEndOfWordStopsTheTimeoutAndBackspaceRestartsIt) {
    Type("CA");
    EXPECT_FALSE(rules.CountDownVisible());
    EXPECT_FALSE(rules.TimerOn());
    Type("\b");
    EXPECT_TRUE(rules.TypingTimeoutOn());
    EXPECT_EQ(rules.CountDownText(), TypingTimeoutText(9));
    Type(" ");  // a completed one-letter word stops it too
    EXPECT_FALSE(rules.TypingTimeoutOn());
    Ticks(20);
    EXPECT_EQ(rules.ChallengedWordsText(), "C,");
}

// --- Judging --------------------------------------------------------------------

TEST_F(ChallengeRulesTest, TabWithNothingTypedShowsTheNoWordsText) {
    Type("\t");
    EXPECT_EQ(rules.RulingText(), "    You typed a TAB with no words to judge.");
    EXPECT_EQ(rules.RulingColour(), ChallengeColours::Black);
    EXPECT_FALSE(rules.RulingShown());
    EXPECT_FALSE(rules.CountDownVisible());
    EXPECT_FALSE(rules.TimerOn());
    EXPECT_TRUE(lookups.empty());
}

// Each ruling's text, colour and time, which counts down to 1 second and
// then clears the window. The long-word ruling needs a limit and wins over
// the others. In the transition mode (the option and a secondary lexicon)
// agreement is counted per word: one word on which the two lexicons agree
// gives the plain ruling; only a group on which they disagree on every word
// gets the no-penalty ruling. Without the mode the secondary lexicon is not
// consulted.
TEST_F(ChallengeRulesTest, RulingsHaveTheirTextColourAndTime) {
    const std::string yes = "         Yes, the play is ACCEPTABLE", no = "         No, the play is UNACCEPTABLE";
    struct Case {
        bool interim;
        std::int32_t secondary;
        int longWordLimit;
        std::string typed, text;
        RgbColour colour;
        int seconds;
    } cases[] = {
        {false, -1, 0, "CAT DOG\t", yes, ChallengeColours::Green, 9},
        {false, -1, 0, "CAT DOGZ\t", no, ChallengeColours::Red, 9},
        {false, -1, 0, "ABCDEFGHIJKLMNOP\t", yes, ChallengeColours::Green, 9},
        {false, -1, 8, "CAT ABCDEFGHIJKLMNOP\t", "   Use another method to rule on long words.", ChallengeColours::Blue,
         9},
        {true, 1, 8, "EE QI ABCDEFGHIJKLMNOP\t", "   Use another method to rule on long words.", ChallengeColours::Blue,
         9},
        {true, 1, 0, "CAT EE\t", yes, ChallengeColours::Green, 9},
        {true, 1, 0, "EE QI\t", " Yes, the play is NEWLEX-ACCEPTABLE - no penalty", ChallengeColours::Blue, 15},
        {true, 1, 0, "ZA\t", " No, the play is NEWLEX-UNACCEPTABLE - no penalty", ChallengeColours::Blue, 15},
        {false, 1, 0, "ZA\t", no, ChallengeColours::Red, 9},
        {true, -1, 0, "ZA\t", no, ChallengeColours::Red, 9},
    };
    for (const Case& c : cases) {
        InterimChallengesOn = c.interim;
        SecondaryLexiconIndex = c.secondary;
        LexiconLongWordLimit = c.longWordLimit;
        lookups.clear();
        Type(c.typed);
        EXPECT_EQ(rules.RulingText(), c.text) << c.typed;
        EXPECT_EQ(rules.RulingColour(), c.colour) << c.typed;
        EXPECT_EQ(rules.CountDownText(), RulingCountDownText(c.seconds)) << c.typed;
        const bool secondaryConsulted = std::any_of(lookups.begin(), lookups.end(),
                                                    [](const auto& lookup) { return lookup.first != ChallengeRole; });
        EXPECT_EQ(secondaryConsulted, c.interim && c.secondary >= 0) << c.typed;
        Ticks(c.seconds - 1);
        EXPECT_EQ(rules.CountDownText(), RulingCountDownText(1)) << c.typed;
        EXPECT_TRUE(rules.RulingShown()) << c.typed;
        Ticks(1);
        EXPECT_FALSE(rules.RulingShown()) << c.typed;
    }
}

TEST_F(ChallengeRulesTest, RulingCountsDownNineSecondsThenClears) {
    Type("CAT\t");
    EXPECT_TRUE(rules.TimerOn());
    EXPECT_EQ(rules.CountDownText(),
              "Type a space to clear this ruling now, or begin to type another group of words. "
              "Otherwise, this ruling will clear in 9 seconds.");
    for (int left = 8; left >= 1; --left) {
        rules.TimerTimer();
        EXPECT_EQ(rules.CountDownText(), RulingCountDownText(left));
    }
    EXPECT_EQ(rules.CountDownText(),
              "Type a space to clear this ruling now, or begin to type another group of "
              "words. Otherwise, this ruling will clear in 1 second.");
    rules.TimerTimer();
    EXPECT_FALSE(rules.RulingShown());
    EXPECT_EQ(rules.RulingText(), "");
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    EXPECT_FALSE(rules.TimerOn());
}

TEST_F(ChallengeRulesTest, TabAfterABlankJudgesTheSameAsWithoutIt) {
    Type("CAT DOGZ \t");
    EXPECT_EQ(rules.RulingText(), "         No, the play is UNACCEPTABLE");
    ASSERT_EQ(lookups.size(), 2u);
    EXPECT_EQ(lookups[1].second, "DOGZ");
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT,DOGZ");
}

TEST_F(ChallengeRulesTest, WhileARulingShowsTabIsIgnoredAndOtherKeysStartOver) {
    Type("CAT\t");
    Type("\t");
    EXPECT_EQ(lookups.size(), 1u);
    EXPECT_TRUE(rules.RulingShown());
    Type(" ");  // a blank merely clears
    EXPECT_FALSE(rules.RulingShown());
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    Type("DOG\tQ");  // a letter begins a new group
    EXPECT_FALSE(rules.RulingShown());
    EXPECT_EQ(rules.RulingText(), "");
    EXPECT_EQ(rules.ChallengedWordsText(), "Q");
}

TEST_F(ChallengeRulesTest, ALetterAfterARulingStartsAFreshSecond) {
    Type("CAT\t");
    int starts = window.timerStarts;
    Ticks(3);
    Type("Q");  // the ruling's timer stops and the typing time-out's starts
    EXPECT_EQ(window.timerStarts, starts + 1);
    EXPECT_EQ(rules.CountDownText(), TypingTimeoutText(9));
}

TEST_F(ChallengeRulesTest, LengthLimitIsTheChallengeLexiconsOwn) {
    MaxWordLength = 8;  // a primary lexicon with shorter words
    Type("ABCDEFGHIJKLMNOP\t");
    EXPECT_EQ(rules.RulingText(), "         Yes, the play is ACCEPTABLE");
    rules.ResetChallengeEntry();
    LexiconTable[0].MaxWordLength = 10;
    lookups.clear();
    Type("ABCDEFGHIJKLMNOP\t");
    EXPECT_EQ(rules.RulingText(), "         No, the play is UNACCEPTABLE");
    EXPECT_TRUE(lookups.empty());  // refused without a lookup
}

TEST_F(ChallengeRulesTest, SpanishLengthsCountDoubleTilesOnce) {
    ChallengeLexiconSpanish = 1;
    LexiconTable[0].MaxWordLength = 5;
    LexiconLongWordLimit = 5;
    rules.WordsKeyDown(WithCtrl('C'));
    Type("URRO\t");  // CHURRO: six letters, five tiles
    EXPECT_EQ(rules.RulingText(), "         Yes, the play is ACCEPTABLE");
    ASSERT_EQ(lookups.size(), 1u);
    EXPECT_EQ(lookups[0].second, "CHURRO");
}

// --- Opening, closing and the lock ----------------------------------------------

TEST_F(ChallengeRulesTest, EscClosesAnUnlockedWindowAndCtrlZAsksToComeBack) {
    rules.WordsKeyDown(Plain(KeyEscape));
    EXPECT_EQ(window.closes, 1);
    EXPECT_FALSE(ReopenChallengeOnRestore);
    Type("CAT ");
    rules.WordsKeyDown(WithCtrl('Z'));
    EXPECT_EQ(window.closes, 2);
    EXPECT_TRUE(ReopenChallengeOnRestore);
    EXPECT_EQ(rules.FormClose(), ChallengeCloseResult::Minimising);
    EXPECT_EQ(rules.ChallengedWords().size(), 1u);
    ReopenChallengeOnRestore = false;
    EXPECT_EQ(rules.FormClose(), ChallengeCloseResult::Closed);
    EXPECT_TRUE(rules.ChallengedWords().empty());
}

// Digits close the window: a first 0 an unlocked one, the lock's number a
// locked one. A letter or TAB starts the number again; it stops growing at
// eight digits; keypad digits count too.
TEST_F(ChallengeRulesTest, TheTypedNumberClosesTheWindow) {
    const struct {
        int lock;
        const char* keys;
        bool closes;
    } cases[] = {
        {0, "5", false},
        {0, "0", true},
        {4711, "47A11", false},
        {4711, "47A11\t4711", true},
        {7, "1234567897", false},
        {7, "123456789\t7", true},
        {99999999, "99999999", true},
    };
    for (const auto& c : cases) {
        ChallengeByCommand = c.lock;
        rules.FormActivate();
        window.closes = 0;
        Type(c.keys);
        EXPECT_EQ(window.closes, c.closes ? 1 : 0) << c.lock << " " << c.keys;
    }
    ChallengeByCommand = 42;
    rules.FormActivate();
    window.closes = 0;
    rules.WordsKeyDown(Plain(KeyNumpad0 + 4));
    rules.WordsKeyDown(Plain(KeyNumpad0 + 2));
    EXPECT_EQ(window.closes, 1);
}

TEST_F(ChallengeRulesTest, ALockedWindowClearsOnEscTypesZOnCtrlZAndOpensItsLock) {
    ChallengeByCommand = 4711;
    rules.FormActivate();
    Type("CAT");
    rules.WordsKeyDown(Plain(KeyEscape));
    EXPECT_EQ(window.closes, 0);
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    EXPECT_EQ(rules.FormClose(), ChallengeCloseResult::Refused);
    rules.WordsKeyDown(WithCtrl('Z'));
    EXPECT_EQ(rules.ChallengedWordsText(), "Z");
    EXPECT_FALSE(ReopenChallengeOnRestore);
    Type("\t4711");
    EXPECT_EQ(ChallengeByCommand, 0);
    EXPECT_EQ(rules.FormClose(), ChallengeCloseResult::Closed);
}

TEST_F(ChallengeRulesTest, OpeningAfterCtrlZOnlyClears) {
    RecordingOn = true;
    ChallengeDlgOpening = true;
    ChallengeFromPromptLine = true;
    window.promptWords = "CAT";
    ChallengeRecordFileName = "unchanged";
    EXPECT_FALSE(rules.FormActivate());
    EXPECT_FALSE(ChallengeDlgOpening);
    EXPECT_EQ(ChallengeRecordFileName, "unchanged");
    EXPECT_EQ(rules.ChallengedWordsText(), "");
    EXPECT_TRUE(rules.ChallengeRecordingActive());
}

TEST_F(ChallengeRulesTest, RecordingActiveFollowsTheLockOption) {
    RecordingOn = true;
    rules.FormActivate();
    EXPECT_TRUE(rules.ChallengeRecordingActive());
    ChallengeByCommand = 12;
    ChallengeRecordingOption = 0;
    rules.FormActivate();
    EXPECT_FALSE(rules.ChallengeRecordingActive());
    RecordingOn = false;
    ChallengeRecordingOption = 1;
    rules.FormActivate();
    EXPECT_TRUE(rules.ChallengeRecordingActive());
}

TEST_F(ChallengeRulesTest, FormColourTellsWhetherTheInitialLexiconJudges) {
    InitialChallengeLexicon = 0;
    EXPECT_EQ(rules.FormColour(), ChallengeColours::Aqua);
    ChallengeLexicon = 1;
    EXPECT_EQ(rules.FormColour(), ChallengeColours::Fuchsia);
    EXPECT_EQ(rules.LexiconLabelText(), "Challenge Adjudication Using:  OLDLEX");
}

// --- Captions -------------------------------------------------------------------

TEST_F(ChallengeRulesTest, PlainCaptions) {
    EXPECT_EQ(rules.Caption(), " Challenge Adjudication Using: New Tournament Lexicon");
    ChallengeByCommand = 3;
    EXPECT_EQ(rules.Caption(), " QORA - Challenge Adjudication Using: New Tournament Lexicon");

    ChallengeRecordingOption = 1;
    rules.FormActivate();
    std::string file = ChallengeRecordFileName;
    EXPECT_EQ(file, "/nonexistent-qora-folder/cw110611.wds");
    EXPECT_EQ(rules.Caption(), " QORA - Challenge Adjudication Using: New Tournament Lexicon -- Recording in " + file);
    ChallengeByCommand = 0;
    RecordingOn = true;
    rules.FormActivate();
    EXPECT_EQ(rules.Caption(), " Challenge Adjudication Using: New Tournament Lexicon -- Recording in " + file);
    RecordFileOpened = false;
    EXPECT_EQ(rules.Caption(),
              " Challenge - New Tournament Lexicon  -  cannot open file " + file + " to record challenged words");
}

TEST_F(ChallengeRulesTest, TransitionCaptions) {
    InterimChallengesOn = true;
    SecondaryLexiconIndex = 1;
    EXPECT_EQ(rules.Caption(), " Lexicon Transition Challenge - OLDLEX to New Tournament Lexicon");
    RecordingOn = true;
    rules.FormActivate();
    std::string file = ChallengeRecordFileName;
    EXPECT_EQ(rules.Caption(),
              " Lexicon Transition Challenge - OLDLEX to New Tournament Lexicon - recording in file " + file);
    RecordFileOpened = false;
    EXPECT_EQ(rules.Caption(), " Lexicon Transition Challenge - OLDLEX to New Tournament Lexicon - cannot open file " +
                                   file + " to record challenged words");
}

// --- Recording ------------------------------------------------------------------

// Recording into a folder of the test's folder that does not exist at first.
class ChallengeRecordingTest : public ChallengeRulesTest {
protected:
    void SetUp() override {
        ChallengeRulesTest::SetUp();
        RecordingFolder = PathOf("records");
        RecordingOn = true;
        rules.FormActivate();
    }
    std::string Recorded() const { return ReadFile("records/cw110611.wds"); }
};

TEST_F(ChallengeRecordingTest, CannotOpenCaptionThenRetryLosesNothing) {
    Type("CAT\t");  // the folder does not exist yet
    EXPECT_FALSE(RecordFileOpened);
    EXPECT_NE(rules.Caption().find("cannot open file " + ChallengeRecordFileName), std::string::npos);

    std::filesystem::create_directories(PathOf("records"));
    Type(" ");
    Type("CAT DOGZ,");
    ChallengeLexiconSpanish = 1;
    rules.WordsKeyDown(WithCtrl('C'));
    Type("URRO\t");
    EXPECT_TRUE(RecordFileOpened);
    EXPECT_EQ(rules.Caption(), " Challenge Adjudication Using: New Tournament Lexicon -- Recording in " +
                                   PathOf("records/cw110611.wds"));
    EXPECT_EQ(Recorded(), "CAT\nDOGZ\nCHURRO\n");
}

TEST_F(ChallengeRecordingTest, NothingIsRecordedWithoutRecordingOrWithoutWords) {
    std::filesystem::create_directories(PathOf("records"));
    Type("\t");
    EXPECT_FALSE(std::filesystem::exists(ChallengeRecordFileName));
    RecordingOn = false;
    rules.FormActivate();
    Type("CAT\t");
    EXPECT_FALSE(std::filesystem::exists(ChallengeRecordFileName));
}

// --- Words typed on the command line --------------------------------------------

TEST_F(ChallengeRulesTest, PromptWordsAreFedInOnceAsKeys) {
    ChallengeFromPromptLine = true;
    window.promptWords = "/c cat,dog 12 -qi";
    rules.FormActivate();
    EXPECT_EQ(rules.ChallengedWordsText(), "CAT,DOG,QI");
    EXPECT_FALSE(ChallengeFromPromptLine);
    EXPECT_EQ(window.closes, 0);  // digits are not typed

    rules.FormActivate();
    EXPECT_EQ(rules.ChallengedWordsText(), "");
}

TEST_F(ChallengeRulesTest, PromptFeedIsSafeAtTheEndAndFoldsEnyeOnlyInSpanish) {
    rules.CopyPromptWordsToChallenge("ni\xF1o/");
    EXPECT_EQ(rules.ChallengedWordsText(), "NIO");
    rules.ResetChallengeEntry();
    ChallengeLexiconSpanish = 1;
    rules.CopyPromptWordsToChallenge("ni\xF1o ni\xD1o");
    EXPECT_EQ(rules.ChallengedWordsText(), "NI\xD1O,NI\xD1O");
}

}  // namespace
}  // namespace qora
