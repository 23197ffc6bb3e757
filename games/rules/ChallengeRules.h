// The rules of the challenge adjudication window, without any window: the
// keys a judge types (as key codes and the Ctrl state), the one-second ticks
// of its timer, the ruling on the typed group of words, the texts and colours
// the window shows, and the recording of judged groups.
//
// The window (games/ChallengeWindow.h) forwards its key events and timer ticks here
// and then shows the state this class exposes. Word tests go through an
// injected function so that the rules can be tested with any word list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Lexicons.h"  // the lexicon roles of the word test
#include "platform/KeyCodes.h"

namespace qora {

struct RgbColour {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const RgbColour&) const = default;
};

namespace ChallengeColours {
constexpr RgbColour Black{0, 0, 0};
constexpr RgbColour Green{0, 128, 0};
constexpr RgbColour Red{255, 0, 0};
constexpr RgbColour Blue{0, 0, 255};
constexpr RgbColour Aqua{0, 255, 255};     // the initial challenge lexicon
constexpr RgbColour Fuchsia{255, 0, 255};  // another challenge lexicon
}  // namespace ChallengeColours

constexpr int MaxChallengedWords = 12;
constexpr int MaxChallengeWordLength = 40;
constexpr int TypingTimeoutSeconds = 9;
constexpr int RulingSeconds = 9;
constexpr int NoPenaltyRulingSeconds = 15;
constexpr int UnlockNumberGrowthLimit = 10000000;

// Whether `word` (display text: upper case, Spanish double tiles as two
// letters, Ñ as 0xD1) is a word of the lexicon of `role`.
using ChallengeWordTest = std::function<bool(int role, bool spanishText, std::string_view word)>;

// Set when Ctrl+Z closed the window: the main window then minimises the
// program and opens the window again when the program is restored, setting
// ChallengeDlgOpening so that the window only clears itself.
extern bool ReopenChallengeOnRestore;
extern bool ChallengeDlgOpening;

// What the rules ask of the window they drive.
class ChallengeWindowActions {
public:
    virtual ~ChallengeWindowActions() = default;
    // Starting over: the mouse pointer goes to the Close button and the
    // keyboard focus to the typed words.
    virtual void ParkMouseOnClose() = 0;
    virtual void CloseWindow() = 0;
    // The one-second timer: switching it on starts a new second.
    virtual void SwitchTimer(bool on) = 0;
    // The command line's text after the prompt, for an opening that carries
    // the words typed there into the window.
    virtual std::string PromptLineWords() = 0;
};

enum class ChallengeCloseResult {
    Refused,     // the window is locked and stays open
    Minimising,  // Ctrl+Z: the window comes back when the program is restored
    Closed,      // the main window shows its parts again
};

class ChallengeRules {
public:
    ChallengeRules(ChallengeWordTest wordTest, ChallengeWindowActions& actions);

    // --- Events ---------------------------------------------------------------
    // Opening the window. Returns false when it only comes back after Ctrl+Z
    // (then the main window's parts are still hidden).
    bool FormActivate();
    void WordsKeyDown(KeyStroke stroke);
    void WordsKeyPress(unsigned char character);
    void TimerTimer();
    ChallengeCloseResult FormClose();

    // --- Operations -----------------------------------------------------------
    void ResetChallengeEntry();
    void CopyPromptWordsToChallenge(std::string_view promptWords);
    void RecordChallengedWords(bool write);
    void JudgeChallengedWords();

    // --- What the window shows ------------------------------------------------
    bool Locked() const;
    bool TransitionMode() const;
    std::string ChallengedWordsText() const;  // the Words memo
    std::string Caption() const;
    std::string LexiconLabelText() const;
    RgbColour FormColour() const;
    const std::string& RulingText() const { return rulingText_; }
    RgbColour RulingColour() const { return rulingColour_; }
    const std::string& CountDownText() const { return countDownText_; }
    bool CountDownVisible() const { return countDownVisible_; }
    bool TimerOn() const { return timerOn_; }

    // --- State of one adjudication --------------------------------------------
    const std::vector<std::string>& ChallengedWords() const { return challengedWords_; }
    const std::string& CurrentChallengeWord() const { return currentChallengeWord_; }
    bool RulingShown() const { return rulingShown_; }
    bool TypingTimeoutOn() const { return typingTimeoutOn_; }
    int UnlockNumberTyped() const { return unlockNumberTyped_; }
    bool ChallengeRecordingActive() const { return challengeRecordingActive_; }

private:
    void ShowChallengeRuling(bool longWord, bool acceptable, bool lexiconsAgree);
    void StartTypingTimeout();
    void StopCountDown();
    void SwitchTimer(bool on);
    void EndWord();
    void Backspace();
    void Tab();
    void TypeLetter(int code, bool spanishCtrl);
    void TypeDigit(int digit);
    void AppendLetters(std::string_view letters);
    void ReopenLastWord();
    std::vector<std::string> Group() const;
    int WordLength(std::string_view word) const;

    ChallengeWordTest wordTest_;
    ChallengeWindowActions& actions_;

    std::vector<std::string> challengedWords_;
    std::string currentChallengeWord_;
    bool rulingShown_ = false;
    bool typingTimeoutOn_ = false;
    int rulingSecondsLeft_ = 0;
    int typingSecondsLeft_ = 0;
    int unlockNumberTyped_ = 0;
    bool challengeRecordingActive_ = false;

    std::string rulingText_;
    RgbColour rulingColour_ = ChallengeColours::Black;
    std::string countDownText_;
    bool countDownVisible_ = false;
    bool timerOn_ = false;
};

// The count-down texts the window shows (exposed for the tests).
std::string RulingCountDownText(int seconds);
std::string TypingTimeoutText(int seconds);

// The character code Ctrl+N gives.
constexpr int CtrlNCharacter = 14;

// A key code folded for a Spanish challenge lexicon: accented vowels to the
// plain vowel; ñ, Ctrl+N and its character code to Ñ. K and W give 0 (no
// key). Other codes are returned unchanged.
int FoldSpanishChallengeKey(int code, bool ctrl);

}  // namespace qora
