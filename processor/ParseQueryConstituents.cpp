// Query constituents and rack parts: letters, blanks, wild cards, letter sets
// in parentheses and word references, with their repetition counts and marks.
#include <string>

#include "engine/Lexicons.h"
#include "engine/Tiles.h"
#include "processor/CommandParser.h"

namespace qora {

namespace {

// The tile of a plain letter in the active language (the Y of the built-in
// sets).
int TileOfLetter(char letter) {
    if (SpanishLexiconActive) return SpanishTileCodes[static_cast<unsigned char>(letter)];
    return letter - 'A' + 1;
}

struct BuiltInBody {
    std::string_view Text;
    BuiltInSet Set;
};
constexpr BuiltInBody BuiltInBodies[] = {
    {"V+", BuiltInVowelsAndY},  {"C-", BuiltInConsonantsNoY}, {"V", BuiltInVowels},
    {"C", BuiltInConsonants},   {"A", BuiltInAllLetters},     {"B", BuiltInBag},
    {"=", BuiltInBlankMatches},
};

// "R" or "S", an optional "-" and digits only: "(R2S)" is a specified set.
bool IsQueryBasedBody(std::string_view body) {
    const unsigned char head = ToUpperAscii(static_cast<unsigned char>(body.front()));
    const std::size_t digitsFrom = body.size() > 1 && body[1] == '-' ? 2 : 1;
    return (head == 'R' || head == 'S') && body.size() > digitsFrom &&
           body.find_first_not_of("0123456789", digitsFrom) == std::string_view::npos;
}

void SetLetterSpec(SetSpec& set, int tile) {
    set.Kind = SetKind::Letter;
    set.Argument = tile;
    set.Letters.Counts[tile - 1] = 1;
}

}  // namespace

bool CommandParser::ParseCountedItem() {
    const std::int32_t start = Here();
    std::int32_t number = 0;
    if (!ReadNumber(number)) return false;
    switch (Peek()) {
        case '/': return ParseLetterProbe(number, start);
        case '~':
        case '\'': {
            const PresentationKind kind = Peek() == '~' ? PresentationCountQuestion : PresentationCountWith;
            Advance();
            ChangeSetting([kind, number](Settings& s) {
                s.PresentationKind = kind;
                s.PresentationCount = number;
            });
            return true;
        }
        default: return ParseConstituent(number, start);
    }
}

bool CommandParser::ParseConstituent(std::int32_t count, std::int32_t start) {
    const bool counted = start != Here();
    if (rackMode_ && counted && count == 0) return FailAtCharacter(start);
    QueryElement element;
    element.RepeatCount = count;
    element.InRack = rackMode_;
    element.Position = start;
    std::size_t length = 1;
    if (const int tile = TileAt(pos_, length); tile != 0) {
        SetLetterSpec(element.Set, tile);
        Advance(length);
    } else if (Peek() == '?' || (Peek() == '.' && !rackMode_)) {
        element.Set.Kind = Peek() == '?' ? SetKind::Blank : SetKind::PatternBlank;
        Advance();
    } else if (Peek() == '*' && !rackMode_ && !counted) {
        element.Kind = ElementKind::WildCard;
        element.Set.Kind = SetKind::Blank;
        element.RepeatCount = 0;
        Advance();
    } else if (Peek() == '(') {
        if (!ParseParenthesised(element)) return false;
    } else if (Peek() == '[' && !rackMode_) {
        if (!ParseWordReference(element)) return false;
    } else {
        return FailHere();
    }
    AddElement(std::move(element), start);
    return true;
}

bool CommandParser::ParseParenthesised(QueryElement& element) {
    const std::int32_t open = Here();
    Advance();
    char mark = 0;
    std::int32_t markPosition = 0;
    if (Peek() == '@' || Peek() == '+' || Peek() == '-') {
        mark = static_cast<char>(Peek());
        markPosition = Here();
        if (mark != '@' && rackMode_) return FailHere();
        Advance();
    }
    const bool presence = mark == '+' || mark == '-';
    if (presence && Peek() == ')') {  // "(+)", "(-)": any letter
        element.Set.Kind = SetKind::AnyLetter;
        element.Set.Presence = mark;
        Advance();
        return true;
    }
    if (presence) {  // "(+A)", "(-S!)": one letter with its presence mark
        std::size_t length = 1;
        const int tile = TileAt(pos_, length);
        const bool required = Peek(length) == '!';
        if (tile != 0 && Peek(length + (required ? 1 : 0)) == ')') {
            SetLetterSpec(element.Set, tile);
            element.Set.Presence = mark;
            element.Required = required;
            Advance(length + (required ? 2 : 1));
            return true;
        }
    }
    const SetContext context = rackMode_ ? SetContext::RackElement : SetContext::QueryConstituent;
    return ParseSetBody(element.Set, mark, markPosition, open, context);
}

// What a set body may be preceded by.
struct MarksAllowed {
    bool AllMembers;
    bool Presence;
};

bool CommandParser::ParseSetBody(SetSpec& set, char mark, std::int32_t markPosition, std::int32_t open,
                                 SetContext context) {
    const std::size_t close = line_.find(')', pos_);
    if (close == std::string_view::npos) return Fail(messages::UnclosedParenthesis, open);
    if (close == pos_) return Fail(messages::EmptyLetterSet, open);
    const std::string_view body = line_.substr(pos_, close - pos_);
    const bool presence = mark == '+' || mark == '-';
    set.Presence = presence ? mark : 0;
    set.AllMembers = mark == '@';
    // A mark the set does not take is an illegal character.
    auto marked = [&](MarksAllowed allowed) {
        const bool refused = context == SetContext::Definition || (mark == '@' && !allowed.AllMembers) ||
                             (presence && !allowed.Presence);
        return mark == 0 || !refused || FailAtCharacter(markPosition);
    };

    for (const BuiltInBody& builtIn : BuiltInBodies) {
        if (!EqualsIgnoringCase(body, builtIn.Text)) continue;
        if (!marked({true, true})) return false;
        set.Kind = SetKind::BuiltIn;
        set.Argument = builtIn.Set;
        FillBuiltInLetters(set);
        Advance(body.size() + 1);
        return true;
    }
    if (Peek() == '$' || Peek() == '#') return marked({true, true}) && ParseRelationSet(set);
    if (body.find_first_not_of("0123456789") == std::string_view::npos) {
        set.Kind = SetKind::UserDefined;
        return marked({true, false}) && ReadNumberInRange(set.Argument, 1, MaxUserSetNumber, "set number") &&
               Expect(')');
    }
    if (IsQueryBasedBody(body)) {
        if (context != SetContext::QueryConstituent) return FailHere();
        return marked({false, false}) && ParseQueryBasedSet(set, open);
    }
    if (Peek() == '!') return marked({false, true}) && ParseAllButSet(set, close, open);
    if (const std::size_t marker = body.find_first_of(".?"); marker != std::string_view::npos) {
        if (context == SetContext::RackElement) return FailAtCharacter(Here() + static_cast<std::int32_t>(marker));
        return marked({false, false}) && ParseWordBasedSet(set, close);
    }
    return marked({false, true}) && ParseSpecifiedSet(set, close, open);
}

// "$" or "#" and a relation: the tiles whose score or bag count stands in it.
bool CommandParser::ParseRelationSet(SetSpec& set) {
    set.Kind = Peek() == '$' ? SetKind::ScoreBased : SetKind::CountBased;
    const std::int32_t start = Here();
    Advance();
    Relation relation;
    if (!ReadRelation(relation, false)) return false;
    set.Relation = relation.Code;
    set.Value1 = relation.Value1;
    set.Value2 = relation.Value2;
    WarnIfNeverHolds(relation, start);
    FillRelationLetters(set, start);
    return Expect(')');
}

// "R" or "S", an optional "-" and a number other than 0.
bool CommandParser::ParseQueryBasedSet(SetSpec& set, std::int32_t open) {
    set.Kind = PeekUpper() == 'R' ? SetKind::SameLetter : SetKind::SameConstituent;
    Advance();
    const bool back = Peek() == '-';
    if (back) Advance();
    if (!ReadNumber(set.Argument)) return false;
    if (set.Argument == 0) return Fail(messages::QueryBasedNeedsNumber, open);
    if (back) set.Argument = -set.Argument;
    return Expect(')');
}

// "!" and the tiles left out: one of every other tile, at least one.
bool CommandParser::ParseAllButSet(SetSpec& set, std::size_t close, std::int32_t open) {
    Advance();
    LetterCounts leftOut{};
    while (pos_ < close) {
        int tile = 0;
        if (!ReadTile(tile)) return false;
        leftOut[tile - 1] = 1;
    }
    set.Kind = SetKind::AllBut;
    for (int tile = 1; tile <= ActiveTileCount(); ++tile)
        if (leftOut[tile - 1] == 0) set.Letters.Counts[tile - 1] = 1;
    if (LetterCountTotal(set.Letters.Counts) == 0) return Fail(messages::EmptyLetterSet, open);
    return Expect(')');
}

bool CommandParser::ParseWordBasedSet(SetSpec& set, std::size_t close) {
    char marker = 0;
    while (pos_ < close) {
        const unsigned char c = Peek();
        if (c == '.' || c == '?') {
            if (marker != 0) return FailHere();
            marker = static_cast<char>(c);
            set.Text += marker;
            Advance();
            continue;
        }
        int tile = 0;
        if (!ReadTile(tile)) return false;
        set.Text += static_cast<char>(TileBase + tile);
    }
    if (set.Text.size() < 2) return FailAtCharacter(Here() - 1);
    set.Kind = marker == '.' ? SetKind::WordPattern : SetKind::WordAnagram;
    return Expect(')');
}

bool CommandParser::ParseSpecifiedSet(SetSpec& set, std::size_t close, std::int32_t open) {
    std::size_t length = 1;
    if (TileAt(pos_, length) != 0 && pos_ + length == close)
        return Fail(std::string(messages::PrecedeSingleLetter), Here());
    if (!ReadLetterCounts(set.Letters.Counts, MaxCountInSet, "count")) return false;
    if (LetterCountTotal(set.Letters.Counts) == 0) return Fail(messages::EmptyLetterSet, open);
    set.Kind = SetKind::Specified;
    return Expect(')');
}

void CommandParser::FillBuiltInLetters(SetSpec& set) const {
    LetterCounts& counts = set.Letters.Counts;
    const int tiles = ActiveTileCount();
    const int y = TileOfLetter('Y');
    for (int tile = 1; tile <= tiles; ++tile) {
        bool member = false;
        switch (set.Argument) {
            case BuiltInVowels: member = IsVowelTile(tile); break;
            case BuiltInVowelsAndY: member = IsVowelTile(tile) || tile == y; break;
            case BuiltInConsonants: member = !IsVowelTile(tile); break;
            case BuiltInConsonantsNoY: member = !IsVowelTile(tile) && tile != y; break;
            case BuiltInAllLetters: member = true; break;
            case BuiltInBag: counts[tile - 1] = query_.LetterDistribution[tile - 1]; break;
            default: break;  // "=": known only when evaluated
        }
        if (member) counts[tile - 1] = 1;
    }
}

void CommandParser::FillRelationLetters(SetSpec& set, std::int32_t position) {
    const int tiles = ActiveTileCount();
    for (int tile = 1; tile <= tiles; ++tile) {
        const std::int32_t value = set.Kind == SetKind::CountBased ? query_.LetterDistribution[tile - 1]
                                   : command_.SetDollarDefined     ? command_.SetDollar.Counts[tile - 1]
                                                                   : TileScores[tile - 1];
        if (RelationHolds(set.Relation, value, set.Value1, set.Value2)) set.Letters.Counts[tile - 1] = 1;
    }
    if (LetterCountTotal(set.Letters.Counts) == 0) Warn(messages::SetHoldsNoLetter, position);
}

bool CommandParser::ParseWordReference(QueryElement& element) {
    const std::int32_t open = Here();
    if (line_.find(']', pos_) == std::string_view::npos) return Fail(messages::UnclosedBracket, open);
    Advance();
    element.Kind = ElementKind::WordReference;
    WordReference& reference = element.Reference;
    if (PeekUpper() == 'M') {
        reference.Mapped = true;
        Advance();
    }
    if (Peek() == '~') {
        reference.Reversed = true;
        Advance();
    }
    if (Peek() != ']') {
        reference.Whole = false;
        if (!ReadReferencePosition(reference.First, reference.FirstFromEnd)) return false;
        reference.Last = reference.First;
        reference.LastFromEnd = reference.FirstFromEnd;
        if (Peek() == '-') {
            Advance();
            if (!ReadReferencePosition(reference.Last, reference.LastFromEnd)) return false;
        }
    }
    return Expect(']');
}

bool CommandParser::ReadReferencePosition(std::int32_t& position, bool& fromEnd) {
    const std::int32_t start = Here();
    if (!ReadNumber(position)) return false;
    if (position == 0) return Fail(messages::OutOfRange, start, 1, MaxWordLength, "position");
    if (position > MaxWordLength) Warn(messages::PositionBeyondLexicon, start);
    fromEnd = Peek() == '|';
    if (fromEnd) Advance();
    return true;
}

bool CommandParser::ParseRackStart() {
    if (rackMode_ || Peek(1) == 0 || Peek(1) == ' ' || Peek(1) == '\t') return FailHere();
    rackMode_ = true;
    rackComma_ = pos_;
    rackCommaPending_ = true;
    Advance();
    preceding_ = Preceding::Other;
    return true;
}

void CommandParser::AddElement(QueryElement element, std::int32_t start) {
    std::size_t from = static_cast<std::size_t>(start) - 1;
    bool newRackPart = false;
    if (element.InRack && rackCommaPending_) {
        from = rackComma_;
        rackCommaPending_ = false;
        newRackPart = true;
    }
    std::string& text = command_.QueryText;
    if (!text.empty() && from != queryTextEnd_) text += element.InRack && !newRackPart ? " ," : " ";
    text.append(line_.substr(from, pos_ - from));
    queryTextEnd_ = pos_;

    if (!element.InRack) ++command_.QueryElementCount;
    if (element.Kind == ElementKind::WildCard) ++command_.WildCardCount;
    element.Set.Letters.Kind = static_cast<std::int32_t>(element.Set.Kind);
    element.Set.Letters.Argument = element.Set.Argument;
    command_.QueryElements.push_back(std::move(element));
    preceding_ = Preceding::Constituent;
}

}  // namespace qora
