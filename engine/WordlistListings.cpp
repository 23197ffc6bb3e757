#include "engine/WordlistListings.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "engine/Listings.h"
#include "engine/Wordlists.h"

namespace qora {

namespace {

const char* ShownLabel(const Wordlist& wordlist) {
    return wordlist.Label.empty() ? UnlabeledText : wordlist.Label.c_str();
}

int LongestLabel(bool unlabeledShown) {
    int longest = 0;
    ForEachNumberedWordlist([&](const Wordlist& wordlist) {
        // Both branches are views, so that neither makes a temporary string
        // for the view to outlive.
        const std::string_view label =
            unlabeledShown ? std::string_view(ShownLabel(wordlist)) : std::string_view(wordlist.Label);
        longest = std::max<int>(longest, static_cast<int>(label.size()));
    });
    return std::min(longest, MaxWordlistLabelLength);
}

int LargestNumber() {
    int largest = 0;
    ForEachNumberedWordlist([&largest](const Wordlist& wordlist) { largest = wordlist.Number; });
    return largest;
}

}  // namespace

void FillWordlistChoices(std::vector<std::string>& choices, bool withSlate) {
    choices.clear();
    if (withSlate) choices.emplace_back("the slate");
    const int numberWidth = DecimalWidth(LargestNumber());
    const int labelWidth = LongestLabel(false);
    ForEachNumberedWordlist([&](const Wordlist& wordlist) {
        choices.push_back(FormatText("wordlist %*d %-*.*s", numberWidth, wordlist.Number, labelWidth, labelWidth,
                                     wordlist.Label.c_str()));
    });
}

int ListWordlists(std::vector<std::string>& lines, bool asReport, std::int32_t number) {
    lines.clear();
    const int numberWidth = DecimalWidth(LargestNumber());
    const int labelWidth = std::max<int>(LongestLabel(true), static_cast<int>(std::strlen(UnlabeledText)));
    int found = -1;
    auto addLine = [&](const Wordlist& wordlist) {
        if (wordlist.Number == number) found = static_cast<int>(lines.size());
        std::string line = asReport ? MessageIndent : "";
        line += FormatText(" %*d %-*.*s: %7d %s%s", numberWidth, wordlist.Number, labelWidth, labelWidth,
                           ShownLabel(wordlist), wordlist.Count(), wordlist.ItemKind == WordItems ? "word" : "string",
                           PluralSuffix(wordlist.Count()));
        lines.push_back(std::move(line));
    };
    addLine(Slate);
    ForEachNumberedWordlist(addLine);
    return found;
}

}  // namespace qora
