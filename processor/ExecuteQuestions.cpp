// Word presence questions: "/-?" (the primary and secondary lexicons), "/?"
// (the slate), "/n?" (wordlist n, and where), "/-\"name\"?" (a lexicon named).
#include <algorithm>

#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "engine/WordTests.h"
#include "engine/Wordlists.h"
#include "processor/ExecutorParts.h"

namespace qora::execution {

namespace {

// "QUIXOTIC is a word in QORA24 (the primary lexicon)", or "is NOT a word"; a
// lexicon that fails its check when first asked about gives that error.
bool AnswerForLexicon(const std::string& word, int index, std::string_view role) {
    std::string error;
    if (!LoadLexicon(index, error)) return Failed(error);
    const LexiconRecord& lexicon = LexiconTable[static_cast<std::size_t>(index)];
    const bool found = IsWordInLexiconAt(index, lexicon.LexiconLanguage == Language::Spanish, word);
    std::string text = word + (found ? " is a word in " : " is NOT a word in ") + lexicon.ShortName;
    if (!role.empty()) text += " (the " + std::string(role) + " lexicon)";
    WriteMessage(text);
    return true;
}

// The 1-based number of the first item of the wordlist equal to the word, or 0.
std::int32_t ItemNumberOf(const Wordlist& wordlist, std::string_view tiles) {
    const WordlistItems& items = wordlist.Items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items.Text(i) == tiles) return static_cast<std::int32_t>(i) + 1;
    return 0;
}

bool AnswerForWordlist(const ParsedCommand& command, const std::string& word, std::int32_t number, bool where) {
    const Wordlist* wordlist = FindWordlist(number);
    if (wordlist == nullptr) return NoSuchWordlist(number);
    const std::int32_t item = ItemNumberOf(*wordlist, command.Word);
    const std::string name = WordlistName(number);
    if (item == 0)
        WriteMessage(word + " is NOT " + (number == SlateNumber ? "on " : "in ") + name);
    else if (!where)
        WriteMessage(word + " is on " + name);
    else
        WriteMessage(FormatText("%s is item %d of %s", word.c_str(), item, name.c_str()));
    return true;
}

}  // namespace

// Arguments: [0] the PresenceQuestion, [1] the wordlist; Text the lexicon's
// name; Word the line's word.
bool AnswerWordPresence(const ParsedCommand& command) {
    const std::string word = WordToDisplay(command.Word);
    switch (command.Arguments[0]) {
        case PresenceInLexicons:
            return AnswerForLexicon(word, PrimaryLexicon, "primary") &&
                   (SecondaryLexiconIndex < 0 || AnswerForLexicon(word, SecondaryLexiconIndex, "secondary"));
        case PresenceOnSlate: return AnswerForWordlist(command, word, SlateNumber, false);
        case PresenceInWordlist: return AnswerForWordlist(command, word, command.Arguments[1], true);
        case PresenceInNamedLexicon: {
            const int index = FindLexiconByShortName(command.Text);
            if (index < 0) return Failed("There is no lexicon named \"" + command.Text + "\"");
            return AnswerForLexicon(word, index, {});
        }
        default: return true;
    }
}

}  // namespace qora::execution
