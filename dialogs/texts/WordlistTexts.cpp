#include "dialogs/texts/WordlistTexts.h"

#include <charconv>

#include "engine/Listings.h"
#include "engine/RandomRacks.h"
#include "engine/Wordlists.h"

namespace qora {

namespace {

constexpr std::string_view SlateChoice = "the slate";

// The wordlist number after the blanks at the start of `text` (as " %d"
// reads it), when it is one.
std::optional<std::int32_t> LeadingWordlistNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    std::int32_t number = 0;
    const char* end = text.data() + text.size();
    if (std::from_chars(text.data() + start, end, number).ec != std::errc{} || !IsWordlistNumber(number))
        return std::nullopt;
    return number;
}

std::string LabelText(std::int32_t wordlist, std::string_view label) {
    return "/" + std::to_string(wordlist) + "L\"" + std::string(label) + "\"";
}

// The texts of a new wordlist, then the label command when a label is given.
std::vector<std::string> WithLabel(const NewWordlistTarget& target, std::string text) {
    std::vector<std::string> texts{std::move(text)};
    if (target.Label) texts.push_back(LabelText(target.Target, *target.Label));
    return texts;
}

}  // namespace

// ---- Shared ----------------------------------------------------------------------

std::optional<std::int32_t> WordlistOfChoice(std::string_view line) {
    constexpr std::string_view Prefix = "wordlist";
    if (line == SlateChoice) return SlateNumber;
    if (!line.starts_with(Prefix)) return std::nullopt;
    return LeadingWordlistNumber(line.substr(Prefix.size()));
}

std::optional<std::int32_t> WordlistOfListLine(std::string_view line) { return LeadingWordlistNumber(line); }

bool IsQuotable(std::string_view text) {
    for (const char c : text)
        if (c == '"' || static_cast<unsigned char>(c) < ' ' || c == '\x7F') return false;
    return true;
}

bool IsWordlistLabel(std::string_view label) {
    return label.size() <= static_cast<std::size_t>(MaxWordlistLabelLength) && IsQuotable(label);
}

// ---- Word presence ---------------------------------------------------------------

std::string PresenceWord(std::string_view commandLine) {
    std::string word;
    for (std::size_t i = 0; i < commandLine.size() && word.size() < PresenceWordLimit; ++i) {
        const char c = commandLine[i];
        if (c == '/')
            ++i;  // the character after it is the sub-command's
        else if (c >= 'A' && c <= 'Z')
            word += c;
        else if (c >= 'a' && c <= 'z')
            word += static_cast<char>(c - 'a' + 'A');
    }
    return word;
}

const char* InLexiconCaption(bool secondaryChosen) {
    return secondaryChosen ? "is in each of the primary and secondary lexicons" : "is in the primary lexicon";
}

bool PresenceComposable(const PresenceChoice& choice) {
    switch (choice.Place) {
        case PresencePlace::InNamedLexicon: return choice.LexiconName && IsQuotable(*choice.LexiconName);
        case PresencePlace::InWordlist: return choice.Wordlist.has_value();
        default: return true;
    }
}

std::string PresenceCommand(const PresenceChoice& choice) {
    switch (choice.Place) {
        case PresencePlace::InLexicon: return "/-?";
        case PresencePlace::OnSlate: return "/?";
        case PresencePlace::InNamedLexicon: return "/-\"" + choice.LexiconName.value_or("") + "\"?";
        case PresencePlace::InWordlist: return "/" + std::to_string(choice.Wordlist.value_or(SlateNumber)) + "?";
    }
    return {};
}

// ---- Labels ----------------------------------------------------------------------

bool LabelComposable(std::int32_t wordlist, std::string_view label) {
    return wordlist > SlateNumber && wordlist <= MaxWordlistNumber && IsWordlistLabel(label);
}

std::string LabelWordlistCommand(std::int32_t wordlist, std::string_view label) { return LabelText(wordlist, label); }

// ---- New wordlists ---------------------------------------------------------------

char SetOperationOperator(int item) {
    switch (item) {
        case IntersectionItem: return '&';
        case DifferenceItem: return '-';
        default: return '|';
    }
}

bool NewWordlistComposable(const NewWordlistTarget& target) {
    if (!IsWordlistNumber(target.Target)) return false;
    return !target.Label || (target.Target != SlateNumber && IsWordlistLabel(*target.Label));
}

std::vector<std::string> CopyWordlistCommands(const NewWordlistTarget& target, std::int32_t base, bool sorted) {
    const std::string n = std::to_string(target.Target);
    if (base == SlateNumber) {
        if (target.Target == SlateNumber) return {};
        std::string text = "/" + n + (sorted ? "~W" : "W");
        if (target.Label) text += "\"" + *target.Label + "\"";
        return {text};
    }
    if (target.Target == SlateNumber) return {"/" + std::to_string(base) + "R"};
    return WithLabel(target, "/Y" + n + "=" + std::to_string(base));
}

std::vector<std::string> ComputedWordlistCommands(const NewWordlistTarget& target, std::int32_t first, int operation,
                                                  std::int32_t second) {
    return WithLabel(target, "/Y" + std::to_string(target.Target) + "=" + std::to_string(first) +
                                 SetOperationOperator(operation) + std::to_string(second));
}

std::string ImportWordlistCommand(const NewWordlistTarget& target, std::string_view path) {
    std::string text = "/FR" + std::to_string(target.Target) + "W\"" + std::string(path) + "\"";
    if (target.Label) text += LabelText(target.Target, target.Label->substr(0, MaxWordlistLabelLength));
    return text;
}

bool IsImportablePath(std::string_view path) { return !path.empty() && IsQuotable(path); }

// ---- Item moves ------------------------------------------------------------------

MoveItemPreview PreviewMoveSource(std::optional<std::int32_t> itemCount, std::int32_t item, std::int32_t count) {
    if (!itemCount) return {};
    const ItemRange range = ResolveItemRange(*itemCount, item, count);
    return {true, *itemCount, range.First, range.Count, range.Count > 0 ? range.First + range.Count - 1 : 0};
}

std::optional<std::int32_t> PreviewMoveDestination(std::optional<std::int32_t> itemCount, std::int32_t item,
                                                   bool newWordlist) {
    if (newWordlist) return 1;
    if (!itemCount) return std::nullopt;
    return ResolveDestinationItem(*itemCount, item);
}

bool MoveItemComposable(const MoveItemChoice& choice, std::int32_t actualCount) {
    if (!choice.FieldsValid || actualCount < 1 || !IsWordlistNumber(choice.Source)) return false;
    if (choice.Disposition == DispositionDelete) return true;
    switch (choice.Destination) {
        case MoveDestination::FlashcardWordlist:
            return choice.DestinationWordlist >= 1 && choice.DestinationWordlist <= MaxWordlistNumber;
        case MoveDestination::ExistingWordlist: return IsWordlistNumber(choice.DestinationWordlist);
        case MoveDestination::NewWordlist:
            return choice.NewNumberValid && choice.DestinationWordlist >= 1 &&
                   choice.DestinationWordlist <= MaxWordlistNumber;
    }
    return false;
}

std::string MoveItemCommand(const MoveItemChoice& choice) {
    const bool oneItem = choice.Count == 1 || choice.FromFlashcard;
    const std::string source = std::to_string(choice.Source) + ":" + std::to_string(choice.Item) +
                               (oneItem ? "" : "," + std::to_string(choice.Count));
    if (choice.Disposition == DispositionDelete) return "/=" + source + "D";
    const char mark = choice.Disposition == DispositionCopy ? 'C' : 'M';
    const std::string destination =
        "/" + std::to_string(choice.DestinationWordlist) + ":" + std::to_string(choice.DestinationItem) + "=";
    if (choice.FromFlashcard) return destination + mark;
    return destination + source + mark;
}

// ---- Random racks ----------------------------------------------------------------

bool RandomRacksComposable(std::int64_t count, std::int32_t target) {
    return count >= 1 && count <= MaxRandomRacks && IsWordlistNumber(target);
}

std::string RandomRacksCommand(std::int32_t count, std::int32_t target) {
    return FormatText("/. %d > %d A", count, target);
}

}  // namespace qora
