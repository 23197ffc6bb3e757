// The parser's lexical level: characters, numbers, quoted texts, tiles,
// letter counts and relations.
#include <limits>

#include "engine/Probability.h"
#include "engine/Tiles.h"
#include "processor/CommandParser.h"

namespace qora {

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

unsigned char ToUpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToUpperAscii(static_cast<unsigned char>(a[i])) != ToUpperAscii(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

unsigned char CommandParser::Peek(std::size_t ahead) const {
    const std::size_t at = pos_ + ahead;
    return at < line_.size() ? static_cast<unsigned char>(line_[at]) : 0;
}

unsigned char CommandParser::PeekUpper(std::size_t ahead) const { return ToUpperAscii(Peek(ahead)); }

bool CommandParser::AtBlank() const { return !AtEnd() && (Peek() == ' ' || Peek() == '\t'); }

bool CommandParser::AtDigit() const { return !AtEnd() && IsDigit(Peek()); }

bool CommandParser::AtEndOfToken() const { return AtEnd() || AtBlank() || Peek() == '!'; }

void CommandParser::SkipBlanks() {
    while (AtBlank()) {
        Advance();
        rackMode_ = false;
    }
}

bool CommandParser::Fail(std::string text, std::int32_t position) {
    if (!error_) error_ = CommandMessage{false, std::move(text), position};
    return false;
}

bool CommandParser::Fail(std::string_view pattern, std::int32_t position, std::int64_t n, std::int64_t m,
                         std::string_view s) {
    return Fail(FormatMessage(pattern, Place(position), n, m, s), position);
}

bool CommandParser::FailHere() { return FailAtCharacter(Here()); }

bool CommandParser::FailAtCharacter(std::int32_t position) {
    if (position < 1 || static_cast<std::size_t>(position) > line_.size()) {
        const auto pastEnd = static_cast<std::int32_t>(line_.size()) + 1;
        return Fail(FormatMessage(messages::Incomplete, Place(pastEnd)), 0);
    }
    const auto c = static_cast<unsigned char>(line_[position - 1]);
    if (c == '"') return Fail(messages::StrayQuote, position);
    return Fail(IllegalCharacterMessage(c, Place(position)), position);
}

void CommandParser::Warn(std::string_view pattern, std::int32_t position) {
    if (!warning_) warning_ = CommandMessage{true, FormatMessage(pattern, Place(position)), position};
}

bool CommandParser::Expect(char c) {
    if (AtEnd() || PeekUpper() != ToUpperAscii(static_cast<unsigned char>(c))) return FailHere();
    Advance();
    return true;
}

bool CommandParser::ExpectWord(std::string_view word) {
    for (char c : word)
        if (!Expect(c)) return false;
    return true;
}

bool CommandParser::ReadNumber(std::int32_t& value) {
    if (!AtDigit()) return FailHere();
    const std::int32_t start = Here();
    std::int64_t number = 0;
    bool tooLarge = false;
    while (AtDigit()) {
        number = number * 10 + (Peek() - '0');
        if (number > std::numeric_limits<std::int32_t>::max()) {
            tooLarge = true;
            number = 0;
        }
        Advance();
    }
    if (tooLarge) return Fail(messages::NumberTooLarge, start);
    value = static_cast<std::int32_t>(number);
    return true;
}

bool CommandParser::CheckRange(std::int32_t value, std::int32_t low, std::int32_t high, std::string_view noun,
                               std::int32_t position) {
    if (value >= low && value <= high) return true;
    return Fail(messages::OutOfRange, position, low, high, noun);
}

bool CommandParser::ReadNumberInRange(std::int32_t& value, std::int32_t low, std::int32_t high, std::string_view noun) {
    const std::int32_t start = Here();
    return ReadNumber(value) && CheckRange(value, low, high, noun, start);
}

bool CommandParser::CheckWordlistNumber(std::int32_t value, bool slateAllowed, std::int32_t position) {
    return CheckRange(value, slateAllowed ? SlateNumber : 1, MaxWordlistNumber, "wordlist number", position);
}

bool CommandParser::ReadWordlistNumber(std::int32_t& value, bool slateAllowed) {
    const std::int32_t start = Here();
    return ReadNumber(value) && CheckWordlistNumber(value, slateAllowed, start);
}

bool CommandParser::ReadQuotedText(std::string& text) {
    if (Peek() != '"') return FailHere();
    const std::int32_t open = Here();
    const std::size_t close = line_.find('"', pos_ + 1);
    if (close == std::string_view::npos) return Fail(messages::UnclosedQuote, open);
    text.assign(line_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    return true;
}

bool CommandParser::ReadLabel(std::string& label, std::size_t maxLength) {
    const std::int32_t start = Here();
    if (!ReadQuotedText(label)) return false;
    if (label.size() > maxLength) return Fail(messages::LabelTooLong, start);
    return true;
}

bool CommandParser::ReadFileName(std::string& file) {
    SkipBlanks();
    const std::int32_t start = Here();
    if (!ReadQuotedText(file)) return false;
    if (file.empty()) return Fail(messages::EmptyFileName, start);
    return true;
}

bool CommandParser::ReadOptionalFileName(std::string& file, std::string_view defaultName) {
    const Checkpoint before = Save();
    SkipBlanks();
    file.clear();
    if (Peek() == '"') {
        if (!ReadQuotedText(file)) return false;
    } else {
        Restore(before);  // the blanks are not the command's
    }
    if (file.empty()) file = defaultName;
    return true;
}

int CommandParser::TileAt(std::size_t at, std::size_t& length) const {
    length = 1;
    if (at >= line_.size()) return 0;
    const auto c = static_cast<unsigned char>(line_[at]);
    if (SpanishLexiconActive) {
        const auto next = at + 1 < line_.size() ? static_cast<unsigned char>(line_[at + 1]) : 0;
        bool tookTwo = false;
        const int tile = TileCodeOfChar(c, next, tookTwo);
        if (tile < 1 || tile > SpanishTileCount) return 0;
        if (tookTwo) length = 2;
        return tile;
    }
    const unsigned char upper = ToUpperAscii(c);
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' + 1 : 0;
}

bool CommandParser::ReadTile(int& tile) {
    std::size_t length = 1;
    tile = TileAt(pos_, length);
    if (tile == 0) return FailHere();
    Advance(length);
    return true;
}

bool CommandParser::ReadLetterCounts(LetterCounts& counts, std::int32_t maxCount, std::string_view countNoun) {
    ClearLetterCounts(counts);
    while (!AtEnd() && Peek() != ')') {
        std::int32_t count = 1;
        const std::int32_t countStart = Here();
        if (AtDigit() && !ReadNumber(count)) return false;
        int tile = 0;
        if (!ReadTile(tile)) return false;
        if (count > maxCount - counts[tile - 1]) return Fail(messages::OutOfRange, countStart, 0, maxCount, countNoun);
        counts[tile - 1] = static_cast<std::int16_t>(counts[tile - 1] + count);
    }
    return true;
}

// A number, or for probabilities "{letters}": the number of ways to draw
// those letters from the line's bag ("{}" is 0).
bool CommandParser::ReadRelationValue(std::int32_t& value, bool probability) {
    if (!probability || Peek() != '{') return ReadNumber(value);
    const std::int32_t start = Here();
    Advance();
    LetterCounts counts{};
    while (Peek() != '}') {
        int tile = 0;
        if (!ReadTile(tile)) return false;
        if (counts[tile - 1] < std::numeric_limits<std::int16_t>::max()) ++counts[tile - 1];
    }
    Advance();
    const std::optional<std::int32_t> draws = CountRackDraws(counts, query_.LetterDistribution);
    if (!draws) return Fail(messages::TooManyDraws, start);
    value = *draws;
    return true;
}

// An operator "<", "<=", ">", ">=", "!=" or "=" here, if there is one.
bool CommandParser::ReadOperator(std::int32_t& code) {
    const bool orEqual = Peek(1) == '=';
    switch (Peek()) {
        case '<': code = orEqual ? RelationAtMost : RelationBelow; break;
        case '>': code = orEqual ? RelationAtLeast : RelationAbove; break;
        case '=': code = RelationEqual; break;
        case '!':
            if (!orEqual) return false;
            code = RelationNotEqual;
            break;
        default: return false;
    }
    Advance(Peek() != '=' && orEqual ? 2 : 1);
    return true;
}

bool CommandParser::ReadRelation(Relation& relation, bool probability) {
    relation = Relation{};
    if (ReadOperator(relation.Code)) return ReadRelationValue(relation.Value1, probability);
    if (!ReadRelationValue(relation.Value1, probability)) return false;
    if (Peek() == '-' || Peek() == '<') {
        relation.Code = Peek() == '-' ? RelationRange : RelationHalfOpen;
        Advance();
        return ReadRelationValue(relation.Value2, probability);
    }
    relation.Code = RelationAtLeast;
    return true;
}

void CommandParser::WarnIfNeverHolds(const Relation& relation, std::int32_t position) {
    const bool never = (relation.Code == RelationRange && relation.Value1 > relation.Value2) ||
                       (relation.Code == RelationHalfOpen && relation.Value1 >= relation.Value2) ||
                       (relation.Code == RelationBelow && relation.Value1 == 0);
    if (never) Warn(messages::RelationNeverHolds, position);
}

bool CommandParser::ReadSetRelation(std::int32_t& code) { return ReadOperator(code) || FailHere(); }

}  // namespace qora
