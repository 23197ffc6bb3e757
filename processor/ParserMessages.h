// The texts of the command-language messages. Texts with a position name the
// character of the line where the fault lies; "%s" after the number is empty
// for a line as typed and " of the expanded command" for a line with "!" or
// "^" insertions. docs/command-language.md lists every message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qora {

// Where a message points: the 1-based character of the line and whether the
// line was expanded. Renders as "at character 12" or "at character 12 of the
// expanded command".
struct LinePlace {
    std::int32_t Position = 0;
    bool Expanded = false;
};

// "\"%c\" (at character %d%s) is illegal in this command"; control bytes are
// shown as "\xNN".
std::string IllegalCharacterMessage(unsigned char c, LinePlace place);

// Fills a template: "{at}" becomes "at character N" (plus the expanded
// suffix); "{n}", "{m}" become the two numbers, "{s}" the text.
std::string FormatMessage(std::string_view pattern, LinePlace place, std::int64_t n = 0, std::int64_t m = 0,
                          std::string_view s = {});

namespace messages {

// Texts that users and dialogs already know by heart: keep them word for word.
inline constexpr std::string_view SetBNeedsEachLetter = "Set (B) must have at least 1 of each letter";
inline constexpr std::string_view PrecedeSingleLetter = "Precede the letter with a count of 1 for a single-char set";
inline constexpr std::string_view OrderingMissingLetter = "Each letter must be included in a canonical ordering";
inline constexpr std::string_view OrderingLetterTwice = "A letter must be given only once in a canonical ordering";
inline constexpr std::string_view OrderingBlankTwice = "A \"?\" must be given only once in a canonical ordering";
inline constexpr std::string_view OrderingMissingBlank = "This random rack output canonical ordering is missing a '?'";
inline constexpr std::string_view OrderingNoBlankAllowed = "Word output canonical ordering cannot include a '?'";
inline constexpr std::string_view OrderingTooManySeparators =
    "A canonical ordering may have at most 4 spaces and plus signs";
inline constexpr std::string_view MappingLetterCount = "A mapping must give exactly {n} letters";

// Our own texts, in the same style.
// {at} names the character just past the end of the line.
inline constexpr std::string_view Incomplete = "The command is incomplete: something is missing {at}";
inline constexpr std::string_view NumberTooLarge = "The number {at} is too large";
inline constexpr std::string_view StrayQuote = "The \" {at} cannot stand here: a quoted text ends at its second \"";
inline constexpr std::string_view UnclosedQuote = "The quoted text that begins {at} has no closing \"";
inline constexpr std::string_view UnclosedParenthesis = "The \"(\" {at} has no matching \")\"";
inline constexpr std::string_view UnclosedBracket = "The \"[\" {at} has no matching \"]\"";
inline constexpr std::string_view LabelTooLong = "The label {at} is longer than 20 characters";
inline constexpr std::string_view LexiconNameTooLong = "The lexicon name {at} is longer than 15 characters";
inline constexpr std::string_view OutOfRange = "The {s} {at} must be from {n} to {m}";
inline constexpr std::string_view RowsPerPageRange = "The rows per page {at} must be 0 or from 8 to 256";
inline constexpr std::string_view QueryModeRange = "The query mode {at} must be from 1 to 5 or 10";
inline constexpr std::string_view BoardSizeRange = "The board size {at} must be 15 or 21";
inline constexpr std::string_view ColumnRange = "The column {at} must be from A to {s}";
inline constexpr std::string_view SlateTakesNoLabel = "The slate (wordlist 0, {at}) takes no label";
inline constexpr std::string_view EmptyLetterSet = "The letter set {at} is empty";
inline constexpr std::string_view EmptyFileName = "The file name {at} is empty";
inline constexpr std::string_view EmptySearchText = "The search text {at} is empty";
inline constexpr std::string_view SecondMainCommand =
    "A line can hold only one query, search or presentation; another one begins {at}";
inline constexpr std::string_view OnlyPlainLetters = "Only plain letters can go with {s} ({at})";
inline constexpr std::string_view PresenceNeedsWord = "A word presence question needs a word on its line";
inline constexpr std::string_view GridNeedsLetters = "A 5 x 5 grid query needs at least 25 letters";
inline constexpr std::string_view QueryBasedNeedsNumber = "The query-based set {at} needs a number other than 0";
inline constexpr std::string_view SameConstituentNotEarlier =
    "The query-based set {at} must name a constituent before it";
inline constexpr std::string_view SameLetterBeyondQuery = "The query-based set {at} names a letter beyond the query";
inline constexpr std::string_view RackInPatternQuery = "A pattern query cannot have a rack part ({at})";
inline constexpr std::string_view UnknownLexicon = "There is no lexicon named \"{s}\" ({at})";
inline constexpr std::string_view TooManySortKeys = "At most 7 sort keys can be given ({at})";
inline constexpr std::string_view TooManyDraws = "The number of ways to draw the letters {at} is too large";
inline constexpr std::string_view NoPreviousQuery = "There is no previous query for the \"^\" {at}";
inline constexpr std::string_view HistoryTooShort = "There is no command {n} back in the command history";
inline constexpr std::string_view LineTooLong = "The line is longer than {n} characters";

// Warnings: the line is legal but part of it can match nothing.
inline constexpr std::string_view RelationNeverHolds = "The relation {at} can never hold";
inline constexpr std::string_view LengthBeyondLexicon =
    "The word length {at} is beyond the longest word of the lexicon";
inline constexpr std::string_view PositionBeyondLexicon = "The position {at} is beyond the longest word of the lexicon";
inline constexpr std::string_view SetHoldsNoLetter = "The letter set {at} holds no letter";

}  // namespace messages

}  // namespace qora
