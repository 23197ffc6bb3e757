// The texts of the query filters as the filter editors and the main window's
// filter check boxes type them onto the command line (dialogs/FilterAppend
// types them), without Qt.
//
// A numeric filter (word length "|", score "$", probability "%", anagram
// count "&", word count "#") is chosen by one of eight relation items, a set
// filter (front hooks, back hooks, blanks) by one of six:
//
//   numeric item  0      1      2    3     4     5    6      7
//   written       a-b    a<b    <a   <=a   !=a   =a   a      >a
//   set item                    0    1     2     3    4      5
//
// (item 6 writes the bare number, which means "at least"). A set item is the
// numeric item less 2. An item outside its range counts as the ">=" item.
//
// The filter editors' rules are here too: when a numeric editor's values fit
// its relation, and what the probability of a string is.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/LetterCounts.h"

namespace qora {

constexpr int NumericRelationItemCount = 8;
constexpr int SetRelationItemCount = 6;
constexpr int NumericAtLeastItem = 6;

// The item of the set-relation lists for a stored relation code: the numeric
// item less 2, or the ">=" item for a code that is no set relation (as the
// set filters write such a code).
int SetRelationItem(std::int32_t code);

// Whether a numeric filter editor's values fit the relation of `item`: x - y
// needs x <= y, x < y needs x < y, "<" needs x > 0; the others take any value.
bool NumericRelationHolds(int item, std::int64_t value1, std::int64_t value2);

// The word-length editor's rule: as above, and also "<=" needs x >= 2, "=" and
// ">=" need x <= the longest word, ">" needs x below it.
bool WordLengthRelationHolds(int item, std::int64_t value1, std::int64_t value2, int maxWordLength);

// The relation part of a numeric filter, the two values already written:
// "3-9", "<5", "5", ...
std::string NumericRelationText(int item, std::string_view value1, std::string_view value2);

// "/" + the filter letter + the relation part + " ": "/|=7 ", "/$3-9 ".
std::string NumericFilterText(char letter, int item, std::string_view value1, std::string_view value2);

// The operator of a set-relation item: "<", "<=", "!=", "=", ">=", ">".
const char* SetRelationOperator(int item);

// The relation part of a set filter, the set already written: "<=(AES)".
std::string SetRelationText(int item, std::string_view set);

// The text of a probability filter, as NumericFilterText writes it: "/%" with
// the relation of `item` (0 to 7) and a blank. Each value is written as its
// string in braces when the string is given ("{QI}": the ways to draw those
// letters), else as the number: item 0 with 100 and "QI" gives "/%100-{QI} ".
std::string ProbabilityFilterText(int item, int value1, std::optional<std::string_view> string1, int value2,
                                  std::optional<std::string_view> string2);

// A probability string is typed in braces with at most this many characters.
constexpr int ProbabilityStringMaxLength = 31;

// The probability of a string: the number of ways to draw its letters (tiles
// of the active language, either case) from `distribution`, 0 for an empty
// string. Nothing when a character is no tile or the number does not fit in
// 32 bits; the parser refuses such a string too.
std::optional<std::int32_t> ProbabilityOfString(std::string_view letters, std::span<const std::int16_t> distribution);

// Set by the main window just before it opens the hooks editor: true for
// front hooks, false for back hooks.
extern bool HooksDialogFront;

// The letters of a hooks filter as it is written: "AES", "1S", "2AB".
std::string HooksSetText(const LetterCounts& letters);

// The text of a hooks filter: "/<" (front) or "/>" (back), the operator of
// the set-relation `relation` (0 to 5) and the letters in parentheses (counts
// written as FormatLetterCounts mode 0 writes them): front "<=" over A, E, S
// gives "/<<=(AES)"; back "=" over S alone "/>=(1S)".
std::string HooksFilterText(bool front, int relation, const LetterCounts& letters);

// The letters of a blank filter as they are written, the ignore-vowels mark
// first: "AEIOU", "-AEIOU", "2ES".
std::string BlankSetText(const LetterCounts& letters, bool ignoreVowels);

// The text of a blank filter: "/:", the operator of the set-relation
// `relation` (0 to 5) and the letters in parentheses, "-" first for the
// ignore-vowels mark (counts written as FormatLetterCounts mode 9 writes
// them): "<=" over the vowels gives "/:<=(AEIOU)", with the mark
// "/:<=(-AEIOU)".
std::string BlankFilterText(int relation, const LetterCounts& letters, bool ignoreVowels);

// A definition text is typed with at most this many characters.
constexpr int DefinitionTextMaxLength = 20;

// The definition text as the user types it, from the form in which the
// settings keep it: an end that holds a blank (the assumed enclosing blank)
// loses it, an end without one gets the "|" that marks it. " noun " ->
// "noun", "noun " -> "|noun", " noun" -> "noun|", "noun" -> "|noun|".
std::string TypedDefinitionText(std::string_view stored);

// The text of a definition filter: "/\"", "!" unless `relation` is 0
// ("includes"), the text and "\" ", its final blank included. With
// `edgeMarking` the text is a stored one and is written in its typed form; an
// empty stored text is written empty ("/\"\" ", "/\"!\" "). Without it the
// text is written as given.
std::string DefinitionFilterText(int relation, std::string_view text, bool edgeMarking);

}  // namespace qora
