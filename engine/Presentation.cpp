#include "engine/Presentation.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "engine/CanonicalOrder.h"
#include "engine/Definitions.h"
#include "engine/Listings.h"
#include "engine/Ordering.h"
#include "engine/WordTests.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"

namespace qora {

std::int32_t ItemsToShow = -1;
const ProgramStateReset registerResetItemsToShow([] { ItemsToShow = -1; });

namespace {

constexpr std::int32_t EveryItem = -1;

constexpr std::uint32_t EveryAnnotation =
    SwitchScores | SwitchProbability | SwitchHooks | SwitchDefinitions | SwitchAnagramCount;

bool IsLowerCaseLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || c == LowerEnye; }

// The blank-matched letters of a displayed word: its lower-case letters.
std::vector<MarkRange> LowerCaseMarks(std::string_view text) {
    std::vector<MarkRange> marks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsLowerCaseLetter(static_cast<unsigned char>(text[i]))) continue;
        const auto at = static_cast<std::int32_t>(i);
        if (!marks.empty() && marks.back().Start + marks.back().Length == at)
            ++marks.back().Length;
        else
            marks.push_back({at, 1});
    }
    return marks;
}

MarkedText Unmarked(std::string text) { return {std::move(text), {}}; }

// Displayed letters with their lower-case, blank-matched ones marked.
MarkedText Letters(std::string text) {
    std::vector<MarkRange> marks = LowerCaseMarks(text);
    return {std::move(text), std::move(marks)};
}

// Appends `piece` to the end of `line`.
void Append(MarkedText& line, const MarkedText& piece) { AppendAt(line, piece, 0); }

// The letters of a hook set in tile order, "-" for none.
std::string HookLetters(const LetterCounts& hooks) {
    std::string letters;
    for (int tile = 1; tile <= ActiveTileCount(); ++tile)
        if (hooks[static_cast<std::size_t>(tile - 1)] > 0) letters += TileCaption(tile);
    return letters.empty() ? "-" : letters;
}

// What the presentation shows beside each word: the switches that are on,
// and what the presentation kind adds.
std::uint32_t AnnotationsOf(const Settings& settings) {
    std::uint32_t annotations = settings.PresentationSwitches;
    switch (settings.PresentationKind) {
        case PresentationWithDefinitions: annotations |= SwitchDefinitions; break;
        case PresentationWithHooks: annotations |= SwitchHooks; break;
        case PresentationWithScoresAndProbabilities: annotations |= SwitchScores | SwitchProbability; break;
        case PresentationCountWith: annotations |= EveryAnnotation; break;
        default: break;
    }
    return annotations;
}

// Makes the presented entry of each slate item.
class EntryMaker {
public:
    explicit EntryMaker(const Settings& settings)
        : settings_(settings),
          words_(Slate.ItemKind == WordItems),
          annotations_(words_ ? AnnotationsOf(settings) : 0) {}

    // The item as shown: a word in the word-output ordering for result kind
    // 2, blank-matched letters in lower case.
    MarkedText Word(const WordlistItem& item) const {
        const std::string marked = MarkedItemText(item);
        const bool canonical = words_ && settings_.ResultKind == ResultKindCanonicalWords;
        return Letters(
            WordToDisplay(canonical ? ArrangeInCanonicalOrder(marked, settings_.CanonicalOutputOrder, false) : marked));
    }

    // The word with what is shown beside it.
    MarkedText Entry(const WordlistItem& item) const {
        MarkedText entry = Word(item);
        entry.Text += Annotations(item);
        return entry;
    }

    // The item's letters in canonical order, upper case: the heading of its
    // anagram group.
    std::string GroupHeading(const WordlistItem& item) const {
        return WordToDisplay(ArrangeInCanonicalOrder(item.Text, settings_.CanonicalOutputOrder, false));
    }

private:
    std::string Annotations(const WordlistItem& item) const {
        std::string text;
        const std::string marked = MarkedItemText(item);
        if (annotations_ & SwitchScores) text += FormatText(" $%d", ItemScore(marked, settings_));
        if (annotations_ & SwitchProbability) {
            const std::optional<std::int64_t> draws = ItemDrawCount(marked, settings_);
            text += draws ? FormatText(" %%%lld", static_cast<long long>(*draws))
                          : FormatText(" %%>%lld", static_cast<long long>(std::numeric_limits<std::int64_t>::max()));
        }
        if (annotations_ & SwitchAnagramCount) text += FormatText(" &%d", AnagramCount(item.Text));
        if (annotations_ & SwitchHooks)
            text += " <" + HookLetters(FrontHooks(item.Text)) + " >" + HookLetters(BackHooks(item.Text));
        if (annotations_ & SwitchDefinitions)
            if (const std::string* definition = DefinitionOf(item.Text)) text += " \"" + *definition + "\"";
        return text;
    }

    const Settings& settings_;
    bool words_;
    std::uint32_t annotations_;
};

// Writes lines until the sink refuses one.
bool WriteLines(const std::vector<MarkedText>& lines, PresentationSink& sink) {
    for (const MarkedText& line : lines)
        if (!sink.WriteLine(line.Text, line.Marks)) return false;
    return true;
}

PresentationResult Written(bool accepted) {
    return {accepted ? PresentationEnd::Completed : PresentationEnd::Stopped, {}};
}

PresentationResult Failed(std::string error) { return {PresentationEnd::Failed, std::move(error)}; }

std::string NoSuchWord(std::int32_t number) { return FormatText("There is no word %d on the slate", number); }

std::string NoSuchLetter(std::int32_t word, std::int32_t letter) {
    return FormatText("Word %d has no letter %d", word, letter);
}

// ---- The probes ---------------------------------------------------------------

std::optional<WordlistItem> ItemNumbered(const std::vector<std::int32_t>& order, std::int32_t number) {
    if (number < 1 || number > static_cast<std::int32_t>(order.size())) return std::nullopt;
    return Slate.Items()[static_cast<std::size_t>(order[static_cast<std::size_t>(number - 1)])];
}

// The display text of tile `position` (1-based) of an item, lower case when
// a blank matched it; empty when the item has no such tile.
std::string LetterAt(const WordlistItem& item, std::int32_t position) {
    if (position < 1 || position > static_cast<std::int32_t>(item.Text.size())) return {};
    const std::string marked = MarkedItemText(item);
    return WordToDisplay(std::string_view(marked).substr(static_cast<std::size_t>(position - 1), 1));
}

PresentationResult ProbeWord(const std::vector<std::int32_t>& order, const Settings& settings, PresentationSink& sink) {
    const std::optional<WordlistItem> item = ItemNumbered(order, settings.ProbeWordNumber);
    if (!item) return Failed(NoSuchWord(settings.ProbeWordNumber));
    const MarkedText entry = EntryMaker(settings).Entry(*item);
    return Written(sink.WriteLine(entry.Text, entry.Marks));
}

PresentationResult ProbeLetter(const std::vector<std::int32_t>& order, const Settings& settings,
                               PresentationSink& sink) {
    const std::int32_t word = settings.ProbeWordNumber;
    const std::int32_t position = settings.ProbeLetterPosition;
    const std::optional<WordlistItem> item = ItemNumbered(order, word);
    if (!item) return Failed(NoSuchWord(word));
    const std::string letter = LetterAt(*item, position);
    if (letter.empty()) return Failed(NoSuchLetter(word, position));
    MarkedText line = Unmarked(FormatText("Word %d, letter %d: ", word, position));
    Append(line, Letters(letter));
    return Written(sink.WriteLine(line.Text, line.Marks));
}

PresentationResult ProbeColumn(const std::vector<std::int32_t>& order, const Settings& settings,
                               PresentationSink& sink) {
    if (order.empty()) return Failed(NoSuchWord(1));
    const std::int32_t position = settings.ProbeLetterPosition;
    const std::int32_t words = std::min<std::int32_t>(ProbeColumnWords, static_cast<std::int32_t>(order.size()));
    MarkedText line = Unmarked(FormatText("Letter %d of words 1 to %d:", position, words));
    for (std::int32_t number = 1; number <= words; ++number) {
        const std::string letter = LetterAt(*ItemNumbered(order, number), position);
        Append(line, Letters(" " + (letter.empty() ? std::string("-") : letter)));
    }
    return Written(sink.WriteLine(line.Text, line.Marks));
}

// ---- The list presentations -------------------------------------------------------

bool LeavesNumberOpen(std::int32_t kind) { return kind != PresentationCountQuestion && kind != PresentationCountWith; }

// How many items to present: the count of a counted kind, else every item,
// or the user's answer when a large presentation asks first.
std::int32_t ChooseItemsToShow(std::int32_t itemCount, const Settings& settings, const PresentationContext& context) {
    if (!LeavesNumberOpen(settings.PresentationKind)) return std::max(settings.PresentationCount, 0);
    if (itemCount <= LargeOutputLimit || context.CommandFileRunning || context.LargeOutput == nullptr) return EveryItem;
    ItemsToShow = 0;
    return context.LargeOutput->Ask(itemCount);
}

// One entry per anagram group, in the order of each group's first word:
// the group's letters, then its words.
std::vector<MarkedText> AnagramGroupEntries(std::span<const std::int32_t> order, const EntryMaker& maker) {
    std::vector<MarkedText> groups;
    std::map<std::string, std::size_t> groupOf;
    for (std::int32_t index : order) {
        const WordlistItem item = Slate.Items()[static_cast<std::size_t>(index)];
        const std::string heading = maker.GroupHeading(item);
        auto [found, added] = groupOf.try_emplace(heading, groups.size());
        if (added) groups.push_back(Unmarked(heading + ":"));
        MarkedText& group = groups[found->second];
        Append(group, Unmarked(" "));
        Append(group, maker.Entry(item));
    }
    return groups;
}

PresentationResult PresentList(const std::vector<std::int32_t>& order, const Settings& settings,
                               const PresentationContext& context, PresentationSink& sink) {
    const auto itemCount = static_cast<std::int32_t>(order.size());
    ItemsToShow = ChooseItemsToShow(itemCount, settings, context);
    if (ItemsToShow == 0) return Written(true);
    const std::int32_t shown = ItemsToShow < 0 ? itemCount : std::min(ItemsToShow, itemCount);
    if (LeavesNumberOpen(settings.PresentationKind) && shown < itemCount &&
        !sink.WriteLine(FormatText("%s (first %d items only)", MessageIndent, shown), {}))
        return Written(false);

    const std::span<const std::int32_t> presented = std::span(order).first(static_cast<std::size_t>(shown));
    const EntryMaker maker(settings);
    std::vector<MarkedText> entries;
    if (settings.PresentationKind == PresentationAnagramGroups) {
        entries = AnagramGroupEntries(presented, maker);
    } else {
        entries.reserve(presented.size());
        for (std::int32_t index : presented)
            entries.push_back(maker.Entry(Slate.Items()[static_cast<std::size_t>(index)]));
    }
    const LayoutShape layout = LayoutOf(settings, context.WorkspaceColumns, context.SeparatorLine);
    return Written(WriteLines(LayOutEntries(entries, layout), sink));
}

PresentationResult PresentCount(std::int32_t itemCount, PresentationSink& sink) {
    const char* noun = Slate.ItemKind == WordItems ? "word" : "string";
    const std::string text = FormatText("%s%d %s%s", MessageIndent, itemCount, noun, PluralSuffix(itemCount));
    return Written(sink.WriteLine(text, {}));
}

}  // namespace

std::string LargeOutputRequestText(std::int32_t itemCount) {
    return FormatText("You are requesting a presentation of %d items.", itemCount);
}

PresentationResult PresentSlate(const Settings& settings, const PresentationContext& context, PresentationSink& sink) {
    const std::vector<std::int32_t>& order = SortSlate(settings);
    switch (settings.PresentationKind) {
        case PresentationCountOnly: return PresentCount(static_cast<std::int32_t>(order.size()), sink);
        case PresentationProbeLetter: return ProbeLetter(order, settings, sink);
        case PresentationProbeColumn: return ProbeColumn(order, settings, sink);
        case PresentationProbeWord: return ProbeWord(order, settings, sink);
        default: return PresentList(order, settings, context, sink);
    }
}

}  // namespace qora
