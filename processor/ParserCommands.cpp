// The "/" sub-commands that change settings or ask questions: filters,
// presentation, layout, board, query mode, sort keys, sources, probes, word
// presence, definition search, challenge and the small switches.
#include <algorithm>
#include <limits>

#include "engine/Lexicons.h"
#include "processor/ParserCore.h"

namespace qora {

namespace {

// Typed definition text -> stored form: a blank at each end that is not
// marked with "|" ("noun" -> " noun ", "|noun" -> "noun ").
std::string StoredSearchText(std::string_view typed) {
    const bool openStart = !typed.starts_with('|');
    if (!openStart) typed.remove_prefix(1);
    const bool openEnd = !typed.ends_with('|');
    if (!openEnd) typed.remove_suffix(1);
    if (typed.empty()) return {};
    return (openStart ? " " : "") + std::string(typed) + (openEnd ? " " : "");
}

constexpr std::string_view SortKeyLetters = "ALSPNHCWR";

}  // namespace

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

// The filter-off mark: "-" followed by a blank, "!" or the end of the line.
bool CommandParser::ReadFilterOff(bool& off) {
    off = Peek() == '-' && !AtEnd();
    if (!off) return true;
    Advance();
    return AtEndOfToken() || FailHere();
}

bool CommandParser::ParseNumericFilter(NumericFilter Settings::*filter, bool probability) {
    bool off = false;
    if (!ReadFilterOff(off)) return false;
    if (off) {
        ChangeSetting([filter](Settings& s) { (s.*filter).Active = 0; });
        return true;
    }
    const std::int32_t start = Here();
    Relation relation;
    if (!ReadRelation(relation, probability)) return false;
    WarnIfNeverHolds(relation, start);
    if (filter == &Settings::LengthFilter) {
        const bool needsLonger = relation.Code == RelationEqual || relation.Code == RelationAtLeast ||
                                 relation.Code == RelationRange || relation.Code == RelationHalfOpen;
        if ((needsLonger && relation.Value1 > MaxWordLength) ||
            (relation.Code == RelationAbove && relation.Value1 >= MaxWordLength))
            Warn(messages::LengthBeyondLexicon, start);
    }
    ChangeSetting([filter, relation](Settings& s) {
        NumericFilter& f = s.*filter;
        f.Active = 1;
        f.Relation = relation.Code;
        f.Value1 = relation.Value1;
        f.Value2 = relation.Value2;
    });
    return true;
}

// "(" letters ")" of a set filter; " " between the parentheses is the empty
// set. With `ignoreVowels`, a "-" may come first.
bool CommandParser::ReadFilterLetters(LetterCounts& counts, std::uint8_t* ignoreVowels) {
    const std::int32_t open = Here();
    if (!Expect('(')) return false;
    if (line_.find(')', pos_) == std::string_view::npos) return Fail(messages::UnclosedParenthesis, open);
    if (ignoreVowels != nullptr) {
        *ignoreVowels = Peek() == '-';
        if (*ignoreVowels) Advance();
    }
    if (Peek() == ' ' && Peek(1) == ')') Advance();
    return ReadLetterCounts(counts, MaxCountInSet, "count") && Expect(')');
}

bool CommandParser::ParseHooksFilter(SetFilter Settings::*filter) {
    bool off = false;
    if (!ReadFilterOff(off)) return false;
    if (off) {
        ChangeSetting([filter](Settings& s) { (s.*filter).Active = 0; });
        return true;
    }
    std::int32_t relation = 0;
    LetterCounts counts{};
    if (!ReadSetRelation(relation) || !ReadFilterLetters(counts, nullptr)) return false;
    ChangeSetting([filter, relation, counts](Settings& s) {
        SetFilter& f = s.*filter;
        f.Active = 1;
        f.Relation = relation;
        f.Letters = LetterCountRecord{counts, 0, 0};
    });
    return true;
}

bool CommandParser::ParseBlankFilter() {
    bool off = false;
    if (!ReadFilterOff(off)) return false;
    if (off) {
        ChangeSetting([](Settings& s) { s.BlankFilter.Active = 0; });
        return true;
    }
    std::int32_t relation = 0;
    LetterCounts counts{};
    std::uint8_t ignoreVowels = 0;
    if (!ReadSetRelation(relation) || !ReadFilterLetters(counts, &ignoreVowels)) return false;
    ChangeSetting([relation, counts, ignoreVowels](Settings& s) {
        s.BlankFilter.Active = 1;
        s.BlankFilter.Relation = relation;
        s.BlankFilter.Letters = LetterCountRecord{counts, 0, 0};
        s.BlankIgnoreVowels = ignoreVowels;
    });
    return true;
}

// At the quote after "/": "-" and a blank (or the end) switch the filter off; otherwise
// an optional "!" and the text up to the closing quote. An empty text also
// switches it off.
bool CommandParser::ParseDefinitionFilter() {
    const bool off = Peek(1) == '-' && (pos_ + 2 == line_.size() || Peek(2) == ' ' || Peek(2) == '\t');
    if (off) {
        Advance(2);
        ChangeSetting([](Settings& s) { s.DefinitionFilter.Active = 0; });
        return true;
    }
    std::string typed;
    if (!ReadQuotedText(typed)) return false;
    const std::uint8_t sense = typed.starts_with('!') ? 0 : 1;
    const std::string text = StoredSearchText(sense == 0 ? std::string_view(typed).substr(1) : typed);
    ChangeSetting([sense, text](Settings& s) {
        s.DefinitionFilter.Active = text.empty() ? 0 : 1;
        s.DefinitionFilter.Sense = sense;
        s.DefinitionFilter.Text = text;
    });
    return true;
}

// "/SD \"text\"" with an optional connective ("&", "&!", "|") and a second text.
bool CommandParser::ParseDefinitionSearch(std::int32_t start) {
    if (!Expect('D')) return false;
    SkipBlanks();
    const std::int32_t firstStart = Here();
    std::string first;
    if (!ReadQuotedText(first)) return false;
    if (StoredSearchText(first).empty()) return Fail(messages::EmptySearchText, firstStart);
    std::int32_t connective = ConnectiveNone;
    std::string second;
    const Checkpoint afterFirst = Save();
    SkipBlanks();
    if (Peek() == '&' || Peek() == '|') {
        connective = Peek() == '|' ? ConnectiveOr : ConnectiveAnd;
        Advance();
        if (connective == ConnectiveAnd && Peek() == '!') {
            connective = ConnectiveAndNot;
            Advance();
        }
        SkipBlanks();
        const std::int32_t secondStart = Here();
        if (!ReadQuotedText(second)) return false;
        if (StoredSearchText(second).empty()) return Fail(messages::EmptySearchText, secondStart);
    } else {
        Restore(afterFirst);
    }
    if (!SetMainCommand(CommandKind::DefinitionSearch, start)) return false;
    command_.Arguments[0] = connective;
    command_.Text = StoredSearchText(first);
    command_.SecondText = StoredSearchText(second);
    return true;
}

// "/O1", "/OR[,]pS", "/OR" rows "C", "/O[R]Cp" ("S" | "W" | "X"), "/OCnC",
// "/OWA", "/OWnC".
bool CommandParser::ParseLayout() {
    const unsigned char head = PeekUpper();
    if (head == '1' && !(Peek(1) >= '0' && Peek(1) <= '9')) {
        Advance();
        ChangeSetting([](Settings& s) { s.OutputLayout = LayoutOnePerLine; });
        return true;
    }
    if (head == 'W') {
        Advance();
        if (PeekUpper() == 'A') {
            Advance();
            ChangeSetting([](Settings& s) { s.WorkspaceWidthSwitch = 1; });
            return true;
        }
        const std::int32_t start = Here();
        std::int32_t width = 0;
        if (!ReadNumber(width) || !Expect('C') || !CheckRange(width, 8, 255, "maximum width", start)) return false;
        ChangeSetting([width](Settings& s) {
            s.WorkspaceWidthSwitch = 0;
            s.CharactersSwitch = 1;
            s.MaximumWidth = width;
        });
        return true;
    }
    if (head != 'R' && head != 'C') return FailHere();
    Advance();
    const bool rows = head == 'R';
    bool columnated = !rows;  // "C" follows: columns, or columnated rows after "R"
    bool commas = false;
    if (rows && PeekUpper() == 'C') {
        columnated = true;
        Advance();
    } else if (rows && Peek() == ',') {
        commas = true;
        Advance();
    }
    const std::int32_t start = Here();
    std::int32_t parameter = 0;
    if (!ReadNumber(parameter)) return false;
    const unsigned char kind = PeekUpper();
    if (kind == 'C' && !columnated && !commas) {  // "/ORnC": rows per page
        Advance();
        if (parameter != 0 && (parameter < 8 || parameter > 256)) return Fail(messages::RowsPerPageRange, start);
        ChangeSetting([parameter](Settings& s) { s.RowsPerPage = parameter; });
        return true;
    }
    if (kind == 'C' && !rows) {  // "/OCnC": width in columns
        Advance();
        if (!CheckRange(parameter, 1, 30, "maximum width", start)) return false;
        ChangeSetting([parameter](Settings& s) {
            s.WorkspaceWidthSwitch = 0;
            s.CharactersSwitch = 0;
            s.MaximumWidth = parameter;
        });
        return true;
    }
    std::int32_t layout = 0;
    if (!columnated)
        layout = kind == 'S' ? (commas ? LayoutPackedRowsCommas : LayoutPackedRows) : 0;
    else if (kind == 'S' || kind == 'W' || kind == 'X')
        layout = (rows ? LayoutColumnatedRowsMinimal : LayoutColumnsMinimal) + (kind == 'S' ? 0 : kind == 'W' ? 1 : 2);
    if (layout == 0) return FailHere();
    Advance();
    if (!CheckRange(parameter, 1, 80, "layout parameter", start)) return false;
    ChangeSetting([layout, parameter](Settings& s) {
        s.OutputLayout = layout;
        s.LayoutParameter = parameter;
    });
    return true;
}

// "/@|" grid scoring, "/@=15" board size, "/@#n" scoring mode 1 to 3, or a
// square ("8H" horizontal, "H8" vertical) followed by "." (starting there)
// or "~" (including it).
bool CommandParser::ParseBoard() {
    switch (Peek()) {
        case '|':
            Advance();
            ChangeSetting([](Settings& s) { s.ScoringMode = ScoringModeGrid; });
            return true;
        case '=': {
            Advance();
            const std::int32_t sizeStart = Here();
            std::int32_t size = 0;
            if (!ReadNumber(size)) return false;
            if (size != SmallBoardSize && size != LargeBoardSize) return Fail(messages::BoardSizeRange, sizeStart);
            ChangeSetting(
                [size](Settings& s) {
                    s.BoardSize = size;
                    if (s.BoardRow >= size || s.BoardColumn >= size) s.BoardRow = s.BoardColumn = size / 2;
                },
                true);
            return true;
        }
        case '#': {
            Advance();
            std::int32_t mode = 0;
            if (!ReadNumberInRange(mode, ScoringModePlain, ScoringModeCentreRow, "scoring mode")) return false;
            ChangeSetting([mode](Settings& s) { s.ScoringMode = mode; });
            return true;
        }
        default: return ParseBoardSquare();
    }
}

bool CommandParser::ParseBoardSquare() {
    const std::int32_t size = query_.BoardSize;
    const bool horizontal = AtDigit();
    std::int32_t row = 0;
    std::int32_t column = 0;
    auto readRow = [&] {
        const std::int32_t rowStart = Here();
        return ReadNumber(row) && CheckRange(row, 1, size, "row", rowStart);
    };
    auto readColumn = [&] {
        const unsigned char letter = PeekUpper();
        if (letter < 'A' || letter > 'Z') return FailHere();
        column = letter - 'A' + 1;
        const std::string lastColumn(1, static_cast<char>('A' + size - 1));
        if (column > size) return Fail(messages::ColumnRange, Here(), 0, 0, lastColumn);
        Advance();
        return true;
    };
    if (horizontal ? !(readRow() && readColumn()) : !(readColumn() && readRow())) return false;
    if (Peek() != '.' && Peek() != '~') return FailHere();
    const std::int32_t mode = Peek() == '.' ? ScoringModeStartingAtSquare : ScoringModeIncludingSquare;
    Advance();
    ChangeSetting([=](Settings& s) {
        s.ScoringMode = mode;
        s.BoardRow = static_cast<std::int16_t>(row - 1);
        s.BoardColumn = static_cast<std::int16_t>(column - 1);
        s.BoardOrientation = static_cast<std::int16_t>(horizontal ? BoardHorizontal : BoardVertical);
    });
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
    ChangeSetting([mode](Settings& s) { s.QueryMode = mode; });
    return true;
}

// "/K" then up to seven key letters, each optionally preceded by "-"
// (descending); "/K-" alone restores alphabetical order.
bool CommandParser::ParseSortKeys() {
    if (Peek() == '-' && (Peek(1) == 0 || Peek(1) == ' ' || Peek(1) == '\t' || Peek(1) == '!')) {
        Advance();
        ChangeSetting([](Settings& s) {
            s.SortKeys = {};
            s.SortKeyCount = 1;
        });
        return true;
    }
    std::array<SortKey, MaxSortKeys> keys{};
    std::int32_t count = 0;
    while (Peek() == '-' || (PeekUpper() >= 'A' && PeekUpper() <= 'Z')) {
        const std::int32_t keyStart = Here();
        const bool descending = Peek() == '-';
        if (descending) Advance();
        const unsigned char letter = PeekUpper();
        if (AtEnd() || SortKeyLetters.find(static_cast<char>(letter)) == std::string_view::npos) return FailHere();
        if (count == MaxSortKeys) return Fail(messages::TooManySortKeys, keyStart);
        keys[count++] = SortKey{static_cast<SortKeyKind>(letter), descending};
        Advance();
    }
    if (count == 0) return FailHere();
    ChangeSetting([keys, count](Settings& s) {
        s.SortKeys = keys;
        s.SortKeyCount = count;
    });
    return true;
}

bool CommandParser::ParseSmallSetting(std::int32_t Settings::*field, std::int32_t low, std::int32_t high,
                                      std::string_view noun) {
    std::int32_t value = 0;
    if (!ReadNumberInRange(value, low, high, noun)) return false;
    ChangeSetting([field, value](Settings& s) { s.*field = value; });
    return true;
}

bool CommandParser::ParsePrintOrPresentation(std::int32_t start) {
    if (AtDigit())
        return ParseSmallSetting(&Settings::PresentationKind, PresentationKindFirst, PresentationKindLast,
                                 "presentation kind");
    if (!Expect('W')) return false;
    SkipBlanks();
    std::string title;
    if (!ReadQuotedText(title)) return false;
    AddAction(ActionKind::PrintWorkspace, start).Text = std::move(title);
    return true;
}

// "/V+c" switches presentation switch c on, "/V-c" off.
bool CommandParser::ParsePresentationSwitch() {
    if (Peek() != '+' && Peek() != '-') return FailHere();
    const bool on = Peek() == '+';
    Advance();
    std::uint32_t bit = 0;
    switch (PeekUpper()) {
        case 'S': bit = SwitchScores; break;
        case 'P': bit = SwitchProbability; break;
        case 'H': bit = SwitchHooks; break;
        case 'D': bit = SwitchDefinitions; break;
        case 'N': bit = SwitchAnagramCount; break;
        default: return FailHere();
    }
    Advance();
    ChangeSetting([on, bit](Settings& s) {
        if (on)
            s.PresentationSwitches |= bit;
        else
            s.PresentationSwitches &= ~bit;
    });
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
