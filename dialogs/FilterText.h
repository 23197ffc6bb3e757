// The texts of the query filters as the filter editors and the main window's
// filter check boxes type them onto the command line.
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
#pragma once

#include <string>
#include <string_view>

namespace qora {

constexpr int NumericRelationItemCount = 8;
constexpr int SetRelationItemCount = 6;
constexpr int NumericAtLeastItem = 6;

// The relation part of a numeric filter, the two values already written:
// "3-9", "<5", "5", ...
std::string NumericRelationText(int item, std::string_view value1, std::string_view value2);

// "/" + the filter letter + the relation part + " ": "/|=7 ", "/$3-9 ".
std::string NumericFilterText(char letter, int item, std::string_view value1, std::string_view value2);

// The operator of a set-relation item: "<", "<=", "!=", "=", ">=", ">".
const char* SetRelationOperator(int item);

// The relation part of a set filter, the set already written: "<=(AES)".
std::string SetRelationText(int item, std::string_view set);

// Appends a numeric filter with its two values in decimal, then a single
// blank, then gives the workspace the focus.
void AppendNumericFilter(char letter, int item, int value1, int value2);

// Appends the text and then a single blank, each with AppendToCommandLine,
// then gives the workspace the focus.
void AppendFilterAndBlank(std::string_view text);

}  // namespace qora
