// The "/" commands that define things or act on wordlists and files:
// canonical orderings, random racks, the letter mapping, user-defined sets,
// set (B) and set ($), wordlist and item commands, file commands, command
// files, exit and end.
#include <limits>

#include "engine/RandomRacks.h"
#include "engine/Tiles.h"
#include "processor/ParserCore.h"

namespace qora {

namespace {

constexpr int MaxOrderingSeparators = 4;

bool IsSetOperator(unsigned char c) { return c == '|' || c == '&' || c == '-'; }

}  // namespace

// After "/." or "/;", at the opening quote. Every tile once, "?" once in a
// random-rack ordering and never in a word-output ordering, at most four
// blanks and "+" signs. An empty ordering means random order for racks and
// alphabetical order for words.
bool CommandParser::ParseOrdering(bool randomRack) {
    const std::int32_t open = Here();
    std::string text;
    if (!ReadQuotedText(text)) return false;
    if (text.empty() && !randomRack)
        text = AlphabeticalOrdering(false);
    else if (!text.empty() && !CheckOrdering(text, static_cast<std::size_t>(open), randomRack))
        return false;
    std::string Settings::*field = randomRack ? &Settings::RandomRackOrder : &Settings::CanonicalOutputOrder;
    ChangeSetting([field, text](Settings& s) { s.*field = text; }, true);
    return true;
}

// `text` stands in the line from offset `first` on.
bool CommandParser::CheckOrdering(std::string_view text, std::size_t first, bool randomRack) {
    LetterCounts seen{};
    bool blankSeen = false;
    int separators = 0;
    for (std::size_t at = first; at < first + text.size();) {
        const auto c = static_cast<unsigned char>(line_[at]);
        const auto position = static_cast<std::int32_t>(at) + 1;
        std::size_t length = 1;
        if (c == ' ' || c == '+') {
            if (++separators > MaxOrderingSeparators)
                return Fail(std::string(messages::OrderingTooManySeparators), position);
        } else if (c == '?') {
            if (!randomRack) return Fail(std::string(messages::OrderingNoBlankAllowed), position);
            if (blankSeen) return Fail(std::string(messages::OrderingBlankTwice), position);
            blankSeen = true;
        } else if (const int tile = TileAt(at, length); tile != 0) {
            if (seen[tile - 1]++ != 0) return Fail(std::string(messages::OrderingLetterTwice), position);
        } else {
            return FailAtCharacter(position);
        }
        at += length;
    }
    const auto close = static_cast<std::int32_t>(first + text.size()) + 1;
    if (LetterCountTotal(seen) != ActiveTileCount()) return Fail(std::string(messages::OrderingMissingLetter), close);
    if (randomRack && !blankSeen) return Fail(std::string(messages::OrderingMissingBlank), close);
    return true;
}

// "/. count [> target [A]]": blanks between the parts are optional.
bool CommandParser::ParseRandomRacks(std::int32_t start) {
    if (!AtBlank() && !AtDigit()) return FailHere();
    SkipBlanks();
    std::int32_t count = 0;
    if (!ReadNumberInRange(count, 1, MaxRandomRacks, "number of racks")) return false;
    std::int32_t target = SlateNumber;
    bool targetGiven = false;
    bool append = false;
    const Checkpoint afterCount = Save();
    SkipBlanks();
    if (Peek() == '>') {
        Advance();
        SkipBlanks();
        const std::int32_t targetStart = Here();
        const bool negative = Peek() == '-';
        if (negative) Advance();
        if (!ReadNumber(target)) return false;
        if (negative) target = -target;
        if (!CheckWordlistNumber(target, true, targetStart)) return false;
        targetGiven = true;
        const Checkpoint afterTarget = Save();
        SkipBlanks();
        if (PeekUpper() == 'A' && (Peek(1) == 0 || Peek(1) == ' ' || Peek(1) == '\t')) {
            append = true;
            Advance();
        } else {
            Restore(afterTarget);
        }
    } else {
        Restore(afterCount);
    }
    if (!SetMainCommand(CommandKind::RandomRacks, start)) return false;
    command_.Arguments = {count, target, append ? 1 : 0, targetGiven ? 1 : 0, 0};
    return true;
}

// "/M\"...\"": blanks inside are skipped; exactly one tile per tile of the
// language.
bool CommandParser::ParseMapping(std::int32_t start) {
    const std::int32_t open = Here();
    std::string text;
    if (!ReadQuotedText(text)) return false;
    std::string mapping;
    const auto first = static_cast<std::size_t>(open);
    for (std::size_t at = first; at < first + text.size();) {
        const auto c = static_cast<unsigned char>(line_[at]);
        std::size_t length = 1;
        if (c != ' ') {
            const int tile = TileAt(at, length);
            if (tile == 0) return FailAtCharacter(static_cast<std::int32_t>(at) + 1);
            mapping += static_cast<char>(TileBase + tile);
        }
        at += length;
    }
    if (static_cast<int>(mapping.size()) != ActiveTileCount())
        return Fail(messages::MappingLetterCount, open, ActiveTileCount());
    AddAction(ActionKind::SetLetterMapping, start).Text = std::move(mapping);
    preceding_ = Preceding::LastingAction;
    return true;
}

// After "/nU": an optional label, "=", then one set in parentheses, two user
// sets joined by "|", "&" or "-", or a single letter.
bool CommandParser::ParseSetDefinition(std::int32_t number, std::int32_t start) {
    std::string label;
    const bool labelled = Peek() == '"' && !AtEnd();
    if (labelled && !ReadLabel(label, MaxSetLabelLength)) return false;
    if (!Expect('=')) return false;
    SetSpec set;
    std::int32_t setOperator = 0;
    std::int32_t second = 0;
    std::size_t length = 1;
    if (Peek() == '(') {
        const std::int32_t open = Here();
        Advance();
        if (!ParseSetBody(set, 0, 0, open, SetContext::Definition)) return false;
        if (set.Kind == SetKind::UserDefined && IsSetOperator(Peek())) {
            setOperator = Peek();
            Advance();
            const std::int32_t secondOpen = Here();
            if (!Expect('(')) return false;
            if (line_.find(')', pos_) == std::string_view::npos) return Fail(messages::UnclosedParenthesis, secondOpen);
            if (!ReadNumberInRange(second, 1, MaxUserSetNumber, "set number") || !Expect(')')) return false;
        }
    } else if (const int tile = TileAt(pos_, length); tile != 0) {
        set.Kind = SetKind::Specified;
        set.Letters.Counts[tile - 1] = 1;
        Advance(length);
    } else {
        return FailHere();
    }
    set.Letters.Kind = static_cast<std::int32_t>(set.Kind);
    set.Letters.Argument = set.Argument;
    CommandAction& action = AddAction(ActionKind::DefineUserSet, start);
    action.Arguments = {number, setOperator, setOperator != 0 ? set.Argument : 0, second, labelled ? 1 : 0};
    action.Text = std::move(label);
    action.Set = std::move(set);
    return true;
}

// After "/(": "B)=(" or "$)=(", count-and-tile pairs (a count of 1 left
// out), ")". Set (B) needs every tile at least once.
bool CommandParser::ParseBagOrScores(std::int32_t start) {
    const bool bag = PeekUpper() == 'B';
    if (!bag && Peek() != '$') return FailHere();
    Advance();
    if (!ExpectWord(")=")) return false;
    const std::int32_t open = Here();
    if (!Expect('(')) return false;
    if (line_.find(')', pos_) == std::string_view::npos) return Fail(messages::UnclosedParenthesis, open);
    LetterCounts counts{};
    if (!ReadLetterCounts(counts, MaxCountInSet, bag ? "count" : "score") || !Expect(')')) return false;
    if (bag) {
        for (int tile = 1; tile <= ActiveTileCount(); ++tile)
            if (counts[tile - 1] < 1) return Fail(std::string(messages::SetBNeedsEachLetter), start);
        command_.SetBDefined = 1;
        command_.SetB = LetterCountRecord{counts, static_cast<std::int32_t>(SetKind::Specified), 0};
        query_.LetterDistribution = counts;
        command_.PendingSettings.LetterDistribution = counts;
    } else {
        command_.SetDollarDefined = 1;
        command_.SetDollar = LetterCountRecord{counts, static_cast<std::int32_t>(SetKind::Specified), 0};
    }
    CommandAction& action = AddAction(bag ? ActionKind::DefineBag : ActionKind::DefineScores, start);
    action.Set.Kind = SetKind::Specified;
    action.Set.Letters = bag ? command_.SetB : command_.SetDollar;
    preceding_ = Preceding::LastingAction;
    return true;
}

// After "/D" with the ":" here: "D:P=S:I[,N]c" or, for the current
// flashcard, "D:P=c" (c "C" copy or "M" move).
bool CommandParser::ParseItemCommand(std::int32_t destination, std::int32_t start) {
    Advance();  // ":"
    std::int32_t item = 0;
    if (!ReadNumber(item) || !Expect('=')) return false;
    const unsigned char disposition = PeekUpper();
    if (disposition == 'C' || disposition == 'M') {
        Advance();
        CommandAction& action =
            AddAction(disposition == 'C' ? ActionKind::CopyFlashcard : ActionKind::MoveFlashcard, start);
        action.Arguments = {destination, item, 0, 0, 0};
        return true;
    }
    std::int32_t source = 0;
    std::int32_t sourceItem = 0;
    std::int32_t count = 1;
    if (!ReadWordlistNumber(source, true) || !Expect(':') || !ReadNumber(sourceItem) || !ReadItemCount(count))
        return false;
    const unsigned char copyOrMove = PeekUpper();
    if (copyOrMove != 'C' && copyOrMove != 'M') return FailHere();
    Advance();
    CommandAction& action = AddAction(copyOrMove == 'C' ? ActionKind::CopyItems : ActionKind::MoveItems, start);
    action.Arguments = {destination, item, source, sourceItem, count};
    return true;
}

// An optional ",N" item count (1 or more).
bool CommandParser::ReadItemCount(std::int32_t& count) {
    count = 1;
    if (Peek() != ',') return true;
    Advance();
    return ReadNumberInRange(count, 1, std::numeric_limits<std::int32_t>::max(), "item count");
}

// After "/=": "S:I[,N]D".
bool CommandParser::ParseDeleteItems(std::int32_t start) {
    std::int32_t source = 0;
    std::int32_t item = 0;
    std::int32_t count = 1;
    if (!ReadWordlistNumber(source, true) || !Expect(':') || !ReadNumber(item) || !ReadItemCount(count) || !Expect('D'))
        return false;
    AddAction(ActionKind::DeleteItems, start).Arguments = {source, item, count, 0, 0};
    return true;
}

// After "/Y": "n=a" copies wordlist a into n; "n=a|b", "n=a&b", "n=a-b"
// combine two wordlists (0 is the slate).
bool CommandParser::ParseWordlistCombination(std::int32_t start) {
    std::int32_t target = 0;
    std::int32_t first = 0;
    if (!ReadWordlistNumber(target, true) || !Expect('=') || !ReadWordlistNumber(first, true)) return false;
    if (!IsSetOperator(Peek())) {
        AddAction(ActionKind::CopyWordlist, start).Arguments = {target, first, 0, 0, 0};
        return true;
    }
    const std::int32_t setOperator = Peek();
    Advance();
    std::int32_t second = 0;
    if (!ReadWordlistNumber(second, true)) return false;
    AddAction(ActionKind::CombineWordlists, start).Arguments = {target, first, setOperator, second, 0};
    return true;
}

// After "/F": R (read), W (write) or A (append), then a wordlist number
// ["~"] "W" and a quoted file, or G (5 x 5 grids), B (Word-Building grids),
// H (command history), S (workspace) with an optional quoted file.
bool CommandParser::ParseFileCommand(std::int32_t start) {
    const unsigned char mode = PeekUpper();
    if (mode != 'R' && mode != 'W' && mode != 'A') return FailHere();
    Advance();
    const bool reading = mode == 'R';
    const std::int32_t append = mode == 'A' ? 1 : 0;
    std::string file;
    if (AtDigit()) {
        std::int32_t wordlist = 0;
        if (!ReadWordlistNumber(wordlist, !reading)) return false;
        const bool sorted = !reading && Peek() == '~';
        if (sorted) Advance();
        if (!Expect('W') || !ReadFileName(file)) return false;
        CommandAction& action = AddAction(reading ? ActionKind::ImportWordlist : ActionKind::ExportWordlist, start);
        action.Arguments = {wordlist, sorted ? 1 : 0, append, 0, 0};
        action.Text = std::move(file);
        return true;
    }
    ActionKind kind;
    std::string_view defaultName;
    switch (PeekUpper()) {
        case 'G':
            kind = reading ? ActionKind::ImportGrids : ActionKind::ExportGrids;
            defaultName = "5x5game.grd";
            break;
        case 'B':
            kind = reading ? ActionKind::ImportBuildingGrids : ActionKind::ExportBuildingGrids;
            defaultName = "WBG_grids.WBG";
            break;
        case 'H':
            if (append) return FailHere();
            kind = reading ? ActionKind::ImportHistory : ActionKind::ExportHistory;
            defaultName = "history.cmd";
            break;
        case 'S':
            if (mode != 'W') return FailHere();
            kind = ActionKind::ExportWorkspace;
            defaultName = "Workspace.txt";
            break;
        default: return FailHere();
    }
    Advance();
    if (!ReadOptionalFileName(file, defaultName)) return false;
    CommandAction& action = AddAction(kind, start);
    action.Arguments[0] = append;
    action.Text = std::move(file);
    return true;
}

bool CommandParser::ParseCommandFile(std::int32_t start) {
    std::string file;
    if (!ReadFileName(file)) return false;
    AddAction(ActionKind::RunCommandFile, start).Text = std::move(file);
    return true;
}

// After "/E": "XIT" or "ND".
bool CommandParser::ParseNamedCommand(std::int32_t start) {
    const bool exit = PeekUpper() == 'X';
    if (!ExpectWord(exit ? "XIT" : "ND")) return false;
    AddAction(exit ? ActionKind::ExitProgram : ActionKind::EndCommandFile, start);
    return true;
}

}  // namespace qora
