// The listings of the wordlists: the choice lines of the dialogs' and the
// main window's wordlist lists ("wordlist 3 Nouns") and the lines of the
// wordlist listing, for a list or as a report in the workspace.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qora {

// Empties `choices`; adds "the slate" when asked, then "wordlist %*d %-*.*s"
// per numbered wordlist in number order (the number in the width of the
// largest, the label in the width of the longest, at most 20; blanks for none).
void FillWordlistChoices(std::vector<std::string>& choices, bool withSlate);

// Empties `lines` and adds " %*d %-*.*s: %7d %s%s" per wordlist, the slate
// first (number, label or "(unlabeled)", item count, "word"/"string", plural
// "s"). The report form puts the message indent before each line. Returns
// the index of the line of wordlist `number`, or -1.
int ListWordlists(std::vector<std::string>& lines, bool asReport, std::int32_t number);

}  // namespace qora
