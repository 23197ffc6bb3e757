// Shared pieces of the listing lines that the engine writes for lists,
// dialogs and reports (user-defined sets, wordlists).
#pragma once

#include <string>

namespace qora {

// Written before every report line in the workspace.
constexpr const char* MessageIndent = "  ";

// Shown for a set or wordlist that has no label.
constexpr const char* UnlabeledText = "(unlabeled)";

// printf into a string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "s" after a noun counted other than once, "" after one.
constexpr const char* PluralSuffix(long long count) { return count == 1 ? "" : "s"; }

// Number of characters of a non-negative decimal number.
int DecimalWidth(int number);

}  // namespace qora
