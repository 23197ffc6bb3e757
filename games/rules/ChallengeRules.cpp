#include "games/rules/ChallengeRules.h"

#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "platform/ProgramState.h"
#include "processor/Recording.h"

namespace qora {

bool ReopenChallengeOnRestore = false;
bool ChallengeDlgOpening = false;

namespace {

void ResetChallengeFlags() {
    ReopenChallengeOnRestore = false;
    ChallengeDlgOpening = false;
}

const ProgramStateReset registerResetChallengeFlags(ResetChallengeFlags);

}  // namespace

namespace {

constexpr const char* NoWordsText = "    You typed a TAB with no words to judge.";
constexpr const char* LongWordText = "   Use another method to rule on long words.";
constexpr const char* AcceptableText = "         Yes, the play is ACCEPTABLE";
constexpr const char* UnacceptableText = "         No, the play is UNACCEPTABLE";
constexpr const char* TypingTimeoutFirstSentence =
    "Please continue typing, without delay, the word or words to be challenged.";

const LexiconRecord* Lexicon(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= LexiconTable.size()) return nullptr;
    return &LexiconTable[static_cast<std::size_t>(index)];
}

std::string ShortNameOf(std::int32_t index) {
    const LexiconRecord* lexicon = Lexicon(index);
    return lexicon ? lexicon->ShortName : std::string();
}

std::string LongNameOf(std::int32_t index) {
    const LexiconRecord* lexicon = Lexicon(index);
    return lexicon ? lexicon->LongName : std::string();
}

bool IsChallengeLetter(int code) { return IsLetterKey(code) || code == KeyEnye; }

// The digit of a digit key, of the main keys or the keypad; -1 for other keys.
int DigitOf(int code) {
    if (IsDigitKey(code)) return code - Key0;
    if (code >= KeyNumpad0 && code <= KeyNumpad9) return code - KeyNumpad0;
    return -1;
}

bool IsDoubleTileKey(int code) { return code == 'C' || code == 'L' || code == 'R'; }

// The second letter a Spanish double tile typed with Ctrl adds: CH, LL, RR.
char SecondLetterOfDoubleTile(int code) { return code == 'C' ? 'H' : static_cast<char>(code); }

}  // namespace

std::string RulingCountDownText(int seconds) {
    return FormatText(
        "Type a space to clear this ruling now, or begin to type another group of words. "
        "Otherwise, this ruling will clear in %d second%s.",
        seconds, PluralSuffix(seconds));
}

std::string TypingTimeoutText(int seconds) {
    return FormatText("%s If you do not type more within %d second%s, you will have to start over.",
                      TypingTimeoutFirstSentence, seconds, PluralSuffix(seconds));
}

int FoldSpanishChallengeKey(int code, bool ctrl) {
    switch (code = UnaccentedSpanishKey(code)) {
        case LowerEnye:
        case CtrlNCharacter: return UpperEnye;
        case 'K':
        case 'W': return 0;
        case 'N': return ctrl ? UpperEnye : 'N';
        default: return code;
    }
}

ChallengeRules::ChallengeRules(ChallengeWordTest wordTest, ChallengeWindowActions& actions)
    : wordTest_(std::move(wordTest)), actions_(actions) {}

bool ChallengeRules::Locked() const { return ChallengeByCommand != 0; }

bool ChallengeRules::TransitionMode() const { return InterimChallengesOn && SecondaryLexiconIndex >= 0; }

// --- Opening and closing --------------------------------------------------------

bool ChallengeRules::FormActivate() {
    challengeRecordingActive_ = Locked() ? ChallengeRecordingOption != 0 : RecordingOn;
    if (ChallengeDlgOpening) {
        ChallengeDlgOpening = false;
        ResetChallengeEntry();
        return false;
    }
    RecordChallengedWords(false);
    ResetChallengeEntry();
    if (ChallengeFromPromptLine) {
        // Used once: a later opening from the button must not feed the line again.
        ChallengeFromPromptLine = false;
        CopyPromptWordsToChallenge(actions_.PromptLineWords());
    }
    return true;
}

ChallengeCloseResult ChallengeRules::FormClose() {
    if (Locked()) return ChallengeCloseResult::Refused;
    SwitchTimer(false);
    rulingShown_ = false;
    typingTimeoutOn_ = false;
    if (ReopenChallengeOnRestore) return ChallengeCloseResult::Minimising;
    challengedWords_.clear();
    return ChallengeCloseResult::Closed;
}

// --- Texts ----------------------------------------------------------------------

std::string ChallengeRules::Caption() const {
    std::string challengeLong = LongNameOf(ChallengeLexicon);
    const std::string& file = ChallengeRecordFileName;
    if (TransitionMode()) {
        std::string secondaryShort = ShortNameOf(SecondaryLexiconIndex);
        if (!challengeRecordingActive_)
            return FormatText(" Lexicon Transition Challenge - %s to %s", secondaryShort.c_str(),
                              challengeLong.c_str());
        if (RecordFileOpened)
            return FormatText(" Lexicon Transition Challenge - %s to %s - recording in file %s", secondaryShort.c_str(),
                              challengeLong.c_str(), file.c_str());
        return FormatText(" Lexicon Transition Challenge - %s to %s - cannot open file %s to record challenged words",
                          secondaryShort.c_str(), challengeLong.c_str(), file.c_str());
    }
    const char* lockPrefix = Locked() ? " QORA -" : "";
    if (!challengeRecordingActive_)
        return FormatText("%s Challenge Adjudication Using: %s", lockPrefix, challengeLong.c_str());
    if (RecordFileOpened)
        return FormatText("%s Challenge Adjudication Using: %s -- Recording in %s", lockPrefix, challengeLong.c_str(),
                          file.c_str());
    return FormatText(" Challenge - %s  -  cannot open file %s to record challenged words", challengeLong.c_str(),
                      file.c_str());
}

std::string ChallengeRules::LexiconLabelText() const {
    return "Challenge Adjudication Using:  " + ShortNameOf(ChallengeLexicon);
}

RgbColour ChallengeRules::FormColour() const {
    return ChallengeLexicon == InitialChallengeLexicon ? ChallengeColours::Aqua : ChallengeColours::Fuchsia;
}

std::string ChallengeRules::ChallengedWordsText() const {
    std::string text;
    for (const std::string& word : challengedWords_) text += word + ",";
    return text + currentChallengeWord_;
}

// --- Starting over and the count-downs ------------------------------------------

void ChallengeRules::ResetChallengeEntry() {
    actions_.ParkMouseOnClose();
    rulingShown_ = false;
    typingTimeoutOn_ = false;
    StopCountDown();
    rulingText_.clear();
    challengedWords_.clear();
    currentChallengeWord_.clear();
    unlockNumberTyped_ = 0;
}

void ChallengeRules::StopCountDown() {
    SwitchTimer(false);
    countDownVisible_ = false;
}

void ChallengeRules::SwitchTimer(bool on) {
    if (on != timerOn_) actions_.SwitchTimer(on);
    timerOn_ = on;
}

// The typing time-out runs only while the group is one single letter, so a
// stray key press does not stay on the screen for the next challenger.
void ChallengeRules::StartTypingTimeout() {
    if (challengedWords_.empty() && currentChallengeWord_.size() < 2) {
        typingSecondsLeft_ = TypingTimeoutSeconds;
        countDownText_ = TypingTimeoutText(typingSecondsLeft_);
        countDownVisible_ = true;
        typingTimeoutOn_ = true;
        SwitchTimer(true);
    } else {
        typingTimeoutOn_ = false;
        StopCountDown();
    }
}

void ChallengeRules::TimerTimer() {
    if (!rulingShown_ && !typingTimeoutOn_) {
        SwitchTimer(false);
        return;
    }
    if (rulingShown_) {
        if (--rulingSecondsLeft_ > 0)
            countDownText_ = RulingCountDownText(rulingSecondsLeft_);
        else
            ResetChallengeEntry();
    }
    if (typingTimeoutOn_) {
        if (--typingSecondsLeft_ > 0)
            countDownText_ = TypingTimeoutText(typingSecondsLeft_);
        else
            ResetChallengeEntry();
    }
}

// --- Keys -----------------------------------------------------------------------

void ChallengeRules::WordsKeyDown(KeyStroke stroke) {
    int code = stroke.key;
    if (rulingShown_) {
        if (code == KeyTab) return;
        ResetChallengeEntry();
    }
    bool spanish = ChallengeLexiconSpanish != 0;
    // A locked window takes Ctrl keys as the plain keys, so that nobody can
    // leave it with Ctrl+Z.
    if (stroke.Ctrl() && !Locked()) {
        if (code == 'Z') {
            ReopenChallengeOnRestore = true;
            actions_.CloseWindow();
            return;
        }
        if (!spanish || !(IsDoubleTileKey(code) || code == 'N')) return;
    }
    switch (code) {
        case KeySpace:
        case KeyEnter:
        case KeyComma: EndWord(); return;
        case KeyDelete: ResetChallengeEntry(); return;
        case KeyAlt: return;
        case KeyEscape:
            if (Locked())
                ResetChallengeEntry();
            else
                actions_.CloseWindow();
            return;
        case KeyBackspace: Backspace(); return;
        case KeyTab: Tab(); return;
        default: break;
    }
    if (code >= KeyF1 && code <= KeyF12) return;
    if (spanish) code = FoldSpanishChallengeKey(code, stroke.Ctrl());
    if (IsChallengeLetter(code))
        TypeLetter(code, spanish && stroke.Ctrl());
    else if (int digit = DigitOf(code); digit >= 0)
        TypeDigit(digit);
}

void ChallengeRules::WordsKeyPress(unsigned char character) {
    if (ChallengeLexiconSpanish == 0 || (character != LowerEnye && character != UpperEnye)) return;
    if (currentChallengeWord_.size() < MaxChallengeWordLength) currentChallengeWord_ += static_cast<char>(UpperEnye);
    StartTypingTimeout();
}

void ChallengeRules::TypeLetter(int code, bool spanishCtrl) {
    unlockNumberTyped_ = 0;
    std::string letters(1, static_cast<char>(code));
    if (spanishCtrl && IsDoubleTileKey(code)) letters += SecondLetterOfDoubleTile(code);
    AppendLetters(letters);
    // Also when the letters were dropped: the group may still be one letter.
    StartTypingTimeout();
}

// A double tile goes in whole or not at all, so a word never ends in half of it.
void ChallengeRules::AppendLetters(std::string_view letters) {
    if (currentChallengeWord_.size() + letters.size() <= MaxChallengeWordLength) currentChallengeWord_ += letters;
}

void ChallengeRules::TypeDigit(int digit) {
    if (unlockNumberTyped_ < UnlockNumberGrowthLimit) unlockNumberTyped_ = unlockNumberTyped_ * 10 + digit;
    // Unlocked, ChallengeByCommand is 0, so a first digit 0 closes the window.
    if (unlockNumberTyped_ == ChallengeByCommand) {
        ChallengeByCommand = 0;
        actions_.CloseWindow();
    }
}

void ChallengeRules::EndWord() {
    if (currentChallengeWord_.empty() || challengedWords_.size() >= MaxChallengedWords) return;
    challengedWords_.push_back(currentChallengeWord_);
    currentChallengeWord_.clear();
    StartTypingTimeout();
}

void ChallengeRules::ReopenLastWord() {
    currentChallengeWord_ = challengedWords_.back();
    challengedWords_.pop_back();
}

void ChallengeRules::Backspace() {
    if (!currentChallengeWord_.empty()) {
        currentChallengeWord_.pop_back();
        if (challengedWords_.empty() && currentChallengeWord_.empty())
            ResetChallengeEntry();
        else
            StartTypingTimeout();
    } else if (!challengedWords_.empty()) {
        ReopenLastWord();
        StartTypingTimeout();
    }
}

void ChallengeRules::Tab() {
    unlockNumberTyped_ = 0;
    if (currentChallengeWord_.empty() && !challengedWords_.empty()) ReopenLastWord();
    typingTimeoutOn_ = false;
    JudgeChallengedWords();
}

void ChallengeRules::CopyPromptWordsToChallenge(std::string_view promptWords) {
    bool spanish = ChallengeLexiconSpanish != 0;
    for (std::size_t i = 0; i < promptWords.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(promptWords[i]);
        if (c == '/')
            ++i;  // skips the character after it too (the loop checks the end)
        else if (c >= 'a' && c <= 'z')
            WordsKeyDown({c - 'a' + 'A', 0});
        else if (c >= 'A' && c <= 'Z')
            WordsKeyDown({c, 0});
        else if (spanish && (c == UpperEnye || c == LowerEnye))
            WordsKeyDown({KeyEnye, 0});
        else if (c == ' ')
            WordsKeyDown({KeySpace, 0});
        else if (c == ',')
            WordsKeyDown({KeyComma, 0});
    }
}

// --- Judging --------------------------------------------------------------------

std::vector<std::string> ChallengeRules::Group() const {
    std::vector<std::string> group = challengedWords_;
    if (!currentChallengeWord_.empty()) group.push_back(currentChallengeWord_);
    return group;
}

// Lengths are counted in tiles, so that a Spanish CH, LL or RR counts once.
int ChallengeRules::WordLength(std::string_view word) const {
    if (ChallengeLexiconSpanish == 0) return static_cast<int>(word.size());
    return static_cast<int>(TextToTiles(word).size());
}

void ChallengeRules::JudgeChallengedWords() {
    std::vector<std::string> group = Group();
    if (group.empty()) {
        rulingText_ = NoWordsText;
        rulingColour_ = ChallengeColours::Black;
        typingTimeoutOn_ = false;
        StopCountDown();
        return;
    }
    // A word of the challenge lexicon is never refused for its length: the
    // limit is the challenge lexicon's own, not the primary lexicon's.
    const LexiconRecord* challenge = Lexicon(ChallengeLexicon);
    int maxLength = challenge ? challenge->MaxWordLength : 0;
    bool acceptable = true, longWord = false, disagree = false, agree = false;
    for (const std::string& word : group) {
        int length = WordLength(word);
        if (LexiconLongWordLimit != 0 && length > LexiconLongWordLimit) longWord = true;
        bool accepted = length <= maxLength && wordTest_(ChallengeRole, ChallengeLexiconSpanish != 0, word);
        if (!accepted) acceptable = false;
        if (TransitionMode()) {
            bool secondary = wordTest_(SecondaryRole, SecondaryLexiconSpanish != 0, word);
            (secondary != accepted ? disagree : agree) = true;
        }
    }
    ShowChallengeRuling(longWord, acceptable, !disagree || agree);
    if (challengeRecordingActive_) RecordChallengedWords(true);
}

void ChallengeRules::ShowChallengeRuling(bool longWord, bool acceptable, bool lexiconsAgree) {
    int seconds = RulingSeconds;
    if (longWord) {
        rulingText_ = LongWordText;
        rulingColour_ = ChallengeColours::Blue;
    } else if (lexiconsAgree) {
        rulingText_ = acceptable ? AcceptableText : UnacceptableText;
        rulingColour_ = acceptable ? ChallengeColours::Green : ChallengeColours::Red;
    } else {
        std::string name = ShortNameOf(ChallengeLexicon);
        rulingText_ = acceptable ? FormatText(" Yes, the play is %s-ACCEPTABLE - no penalty", name.c_str())
                                 : FormatText(" No, the play is %s-UNACCEPTABLE - no penalty", name.c_str());
        rulingColour_ = ChallengeColours::Blue;
        seconds = NoPenaltyRulingSeconds;
    }
    rulingSecondsLeft_ = seconds;
    countDownText_ = RulingCountDownText(seconds);
    countDownVisible_ = true;
    rulingShown_ = true;
    SwitchTimer(true);
}

// --- Recording ------------------------------------------------------------------

void ChallengeRules::RecordChallengedWords(bool write) {
    BuildChallengeRecordFileName();
    if (write) AppendToRecordFile(Group());
}

}  // namespace qora
