// The "/" sub-commands: the dispatch on the character after "/", the
// numbered commands, letter probes and "-" commands, word presence
// questions, the query mode, the word source, challenge and the small
// switches.
#include <limits>

#include "engine/Lexicons.h"
#include "processor/CommandParser.h"

namespace qora {

bool CommandParser::ParseSlashCommand() {
    const std::int32_t start = Here();
    Advance();
    if (AtDigit()) return ParseNumberedCommand(start);
    if (Peek() == '"') return ParseDefinitionFilter();
    if (AtEnd()) return FailHere();
    const unsigned char head = PeekUpper();
    Advance();
    switch (head) {
        case 'Z': ChangeSetting([](Settings& s) { s.ZeroScoringBlanks = 1; }); return true;
        case '-': return ParseMinusCommand(start);
        case '?': return ParsePresenceQuestion(PresenceOnSlate, SlateNumber, {}, start);
        case '(': return ParseBagOrScores(start);
        case '=': return ParseDeleteItems(start);
        case ':': return ParseBlankFilter();
        case '|': return ParseNumericFilter(&Settings::LengthFilter, false);
        case '$': return ParseNumericFilter(&Settings::ScoreFilter, false);
        case '%': return ParseNumericFilter(&Settings::ProbabilityFilter, true);
        case '&': return ParseNumericFilter(&Settings::AnagramCountFilter, false);
        case '#': return ParseNumericFilter(&Settings::WordCountFilter, false);
        case '<': return ParseHooksFilter(&Settings::FrontHooksFilter);
        case '>': return ParseHooksFilter(&Settings::BackHooksFilter);
        case 'S': return ParseDefinitionSearch(start);
        case '.': return Peek() == '"' ? ParseOrdering(true) : ParseRandomRacks(start);
        case ';': return ParseOrdering(false);
        case 'M': return ParseMapping(start);
        case 'O': return ParseLayout();
        case '@': return ParseBoard();
        case 'P': return ParsePrintOrPresentation(start);
        case 'G':
            if (!SetMainCommand(CommandKind::GridWindow, start)) return false;
            command_.Arguments[0] = 1;
            return true;
        case 'B':
            queryModeGiven_ = true;
            queryModePosition_ = start;
            ChangeSetting([](Settings& s) { s.QueryMode = QueryModeGrid; });
            return true;
        case 'Q': return ParseQueryMode(start);
        case 'Y': return ParseWordlistCombination(start);
        case 'F': return ParseFileCommand(start);
        case 'X': return ParseCommandFile(start);
        case 'E': return ParseNamedCommand(start);
        case 'K': return ParseSortKeys();
        case 'T':
            return ParseSmallSetting(&Settings::ResultKind, ResultKindWords, ResultKindCanonicalWords, "result kind");
        case 'N':
            return ParseSmallSetting(&Settings::SlateUpdate, SlateUpdateReplace, SlateUpdateKeepOnly, "slate update");
        case 'V': return ParsePresentationSwitch();
        case 'W': return ParseWordSource();
        case '[':
            return ParseSmallSetting(&Settings::WordReferenceSource, SlateNumber, MaxWordlistNumber, "wordlist number");
        case 'C': return ParseChallenge(start);
        case 'R': return ParseSwitchAction(start, ActionKind::RecordingOn, ActionKind::RecordingOff);
        case 'H':
            if (AtDigit()) {
                std::int32_t wordlist = 0;
                if (!ReadWordlistNumber(wordlist, false)) return false;
                AddAction(ActionKind::StartFlashcards, start).Arguments[0] = wordlist;
                return true;
            }
            return ParseSwitchAction(start, ActionKind::NextFlashcard, ActionKind::StopFlashcards);
        default: return FailAtCharacter(start + 1);
    }
}

// "/n..." - what follows the number decides the command.
bool CommandParser::ParseNumberedCommand(std::int32_t start) {
    const std::int32_t numberStart = Here();
    std::int32_t n = 0;
    if (!ReadNumber(n)) return false;
    switch (PeekUpper()) {
        case '?':
            Advance();
            return CheckWordlistNumber(n, true, numberStart) && ParsePresenceQuestion(PresenceInWordlist, n, {}, start);
        case 'U':
            Advance();
            return CheckRange(n, 1, MaxUserSetNumber, "set number", numberStart) && ParseSetDefinition(n, start);
        case 'L': {
            Advance();
            if (n == SlateNumber) return Fail(messages::SlateTakesNoLabel, numberStart);
            std::string label;
            if (!CheckWordlistNumber(n, false, numberStart) || !ReadLabel(label, MaxWordlistLabelLength)) return false;
            CommandAction& action = AddAction(ActionKind::LabelWordlist, start);
            action.Arguments[0] = n;
            action.Text = std::move(label);
            return true;
        }
        case '~':
        case 'W': {
            const bool sorted = Peek() == '~';
            Advance();
            if (sorted && !Expect('W')) return false;
            if (!CheckWordlistNumber(n, false, numberStart)) return false;
            std::string label;
            const bool labelled = Peek() == '"' && !AtEnd();
            if (labelled && !ReadLabel(label, MaxWordlistLabelLength)) return false;
            CommandAction& action = AddAction(ActionKind::CopySlate, start);
            action.Arguments = {n, sorted ? 1 : 0, labelled ? 1 : 0, 0, 0};
            action.Text = std::move(label);
            return true;
        }
        case 'R':
            Advance();
            if (!CheckWordlistNumber(n, false, numberStart)) return false;
            AddAction(ActionKind::RestoreSlate, start).Arguments[0] = n;
            return true;
        case ':': return CheckWordlistNumber(n, true, numberStart) && ParseItemCommand(n, start);
        default:
            if (!AtEndOfToken()) return FailHere();
            if (!CheckRange(n, 1, std::numeric_limits<std::int32_t>::max(), "word number", numberStart)) return false;
            ChangeSetting([n](Settings& s) {
                s.PresentationKind = PresentationProbeWord;
                s.ProbeWordNumber = n;
            });
            return true;
    }
}

// "n/m" (letter n of word m) and "n/" (letter n of every word); the number
// has been read.
bool CommandParser::ParseLetterProbe(std::int32_t letter, std::int32_t start) {
    if (!CheckRange(letter, 1, std::numeric_limits<std::int32_t>::max(), "letter position", start)) return false;
    if (letter > MaxWordLength) Warn(messages::PositionBeyondLexicon, start);
    Advance();  // the "/"
    if (AtDigit()) {
        std::int32_t word = 0;
        if (!ReadNumberInRange(word, 1, std::numeric_limits<std::int32_t>::max(), "word number")) return false;
        ChangeSetting([letter, word](Settings& s) {
            s.PresentationKind = PresentationProbeLetter;
            s.ProbeLetterPosition = letter;
            s.ProbeWordNumber = word;
        });
        return true;
    }
    if (!AtEndOfToken()) return FailHere();
    ChangeSetting([letter](Settings& s) {
        s.PresentationKind = PresentationProbeColumn;
        s.ProbeLetterPosition = letter;
    });
    return true;
}

bool CommandParser::ParseMinusCommand(std::int32_t start) {
    switch (PeekUpper()) {
        case 'Z':
            Advance();
            ChangeSetting([](Settings& s) { s.ZeroScoringBlanks = 0; });
            return true;
        case '?': Advance(); return ParsePresenceQuestion(PresenceInLexicons, 0, {}, start);
        case '"': {
            const std::int32_t nameStart = Here();
            std::string name;
            if (!ReadQuotedText(name)) return false;
            if (name.size() >= LexiconShortNameField) return Fail(messages::LexiconNameTooLong, nameStart);
            if (FindLexiconByShortName(name) < 0) return Fail(messages::UnknownLexicon, nameStart, 0, 0, name);
            return Expect('?') && ParsePresenceQuestion(PresenceInNamedLexicon, 0, std::move(name), start);
        }
        default: return FailHere();
    }
}

bool CommandParser::ParsePresenceQuestion(PresenceQuestion question, std::int32_t wordlist, std::string lexicon,
                                          std::int32_t start) {
    if (!SetMainCommand(CommandKind::WordPresence, start)) return false;
    command_.Arguments[0] = question;
    command_.Arguments[1] = wordlist;
    command_.Text = std::move(lexicon);
    return true;
}

bool CommandParser::ParseQueryMode(std::int32_t start) {
    if (!AtDigit()) {
        if (!ExpectWord("UIT")) return false;
        AddAction(ActionKind::ExitProgram, start);
        return true;
    }
    const std::int32_t modeStart = Here();
    std::int32_t mode = 0;
    if (!ReadNumber(mode)) return false;
    if ((mode < QueryModeAnagrams || mode > QueryModeTwoWord) && mode != QueryModeGrid)
        return Fail(messages::QueryModeRange, modeStart);
    queryModeGiven_ = true;
    queryModePosition_ = start;
    ChangeSetting([mode](Settings& s) { s.QueryMode = static_cast<QueryMode>(mode); });
    return true;
}

// "/Wn" searches wordlist n (0 the slate), "/W-" the lexicon.
bool CommandParser::ParseWordSource() {
    if (Peek() == '-') {
        Advance();
        ChangeSetting([](Settings& s) { s.WordSource = WordSourceLexicon; });
        return true;
    }
    return ParseSmallSetting(&Settings::WordSource, SlateNumber, MaxWordlistNumber, "wordlist number");
}

// "/C" carries the line's words into the challenge window; "/Cn" locks the
// window with n and records, "/C-n" locks it without recording. Only the
// first 8 digits count.
bool CommandParser::ParseChallenge(std::int32_t start) {
    const bool minus = Peek() == '-';
    if (minus) Advance();
    if (minus && !AtDigit()) return FailHere();
    std::int32_t lock = 0;
    int digits = 0;
    for (; AtDigit(); Advance(), ++digits)
        if (digits < 8) lock = lock * 10 + (Peek() - '0');
    if (!SetMainCommand(CommandKind::ChallengeWindow, start)) return false;
    command_.Arguments = {1, lock, minus ? 0 : 1, digits == 0 ? 1 : 0, 0};
    return true;
}

// "/R+" / "/R-", "/H+" / "/H-".
bool CommandParser::ParseSwitchAction(std::int32_t start, ActionKind plus, ActionKind minus) {
    if (Peek() != '+' && Peek() != '-') return FailHere();
    const ActionKind kind = Peek() == '+' ? plus : minus;
    Advance();
    AddAction(kind, start);
    return true;
}

}  // namespace qora
