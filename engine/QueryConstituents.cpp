#include "engine/QueryConstituents.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "engine/Lexicons.h"
#include "engine/UserSets.h"
#include "engine/WordTests.h"

namespace qora {

namespace {

int ClampedCount(std::int32_t count) { return std::clamp(count, 0, MaxSearchLength + 1); }

TileMask MaskOf(const LetterCounts& counts) {
    TileMask mask = 0;
    for (int tile = 1; tile <= ActiveTileCount(); ++tile)
        if (counts[static_cast<std::size_t>(tile - 1)] > 0) mask |= TileBit(tile);
    return mask;
}

// The members of a set, each as often as the set holds it, in tile order.
std::string BlockOf(const LetterCounts& counts) {
    std::string block;
    for (int tile = 1; tile <= ActiveTileCount(); ++tile)
        block.append(static_cast<std::size_t>(std::max<int>(counts[static_cast<std::size_t>(tile - 1)], 0)),
                     static_cast<char>(TileBase + tile));
    return block;
}

// The tiles that make a word of the primary lexicon with the word-based
// set's text: in place of its "." (a pattern), or added to its tiles (an
// anagram, marked by "?").
LetterCounts WordBasedSet(const SetSpec& set) {
    LetterCounts members{};
    const std::size_t mark = set.Text.find_first_of(".?");
    for (int tile = 1; tile <= ActiveTileCount(); ++tile) {
        std::string word = set.Text;
        if (mark == std::string::npos) break;
        word[mark] = static_cast<char>(TileBase + tile);
        const bool fits =
            set.Kind == SetKind::WordPattern ? IsWordInLexicon(PrimaryRole, false, word) : AnagramCount(word) > 0;
        if (fits) members[static_cast<std::size_t>(tile - 1)] = 1;
    }
    return members;
}

// A constituent's repetitions: a count n takes n; 0 takes any number (at
// least one when required); in a rack part each tile may be left out unless
// required.
void SetRepeats(const QueryElement& element, QueryItem& item) {
    const int count = ClampedCount(element.RepeatCount);
    if (element.InRack) {
        item.MinRepeats = element.Required ? count : 0;
        item.MaxRepeats = count;
    } else if (element.RepeatCount == 0) {
        item.MinRepeats = element.Required ? 1 : 0;
        item.MaxRepeats = UnboundedRepeats;
    } else {
        item.MinRepeats = item.MaxRepeats = count;
    }
    item.InRack = element.InRack;
}

// The letters a word reference names in a word, or nothing when the word
// has no such letters.
std::optional<std::string> ReferencedLetters(const WordReference& reference, std::string_view word,
                                             std::string_view letterMapping) {
    std::string letters(word);
    if (reference.Mapped) {
        for (char& c : letters) {
            const std::size_t index = static_cast<std::size_t>(c - TileBase - 1);
            if (index < letterMapping.size() && TileNumberOf(static_cast<unsigned char>(letterMapping[index])) != 0)
                c = letterMapping[index];
        }
    }
    if (reference.Reversed) std::reverse(letters.begin(), letters.end());
    if (reference.Whole) return letters;
    const std::int64_t length = static_cast<std::int64_t>(letters.size());
    const std::int64_t first = reference.FirstFromEnd ? length - reference.First + 1 : reference.First;
    const std::int64_t last = reference.LastFromEnd ? length - reference.Last + 1 : reference.Last;
    if (first < 1 || last > length || first > last) return std::nullopt;
    return letters.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

void SetLetters(QueryItem& item, const std::string& letters) {
    if (letters.size() == 1) {
        item.Test.Tiles = TileBit(letters[0] - TileBase);
    } else {
        item.Block = letters;
        item.InOrder = true;
    }
}

// The tiles an element may repeat for "(Sk)": any of its one-tile set, or
// the tile of a block made of one tile only.
TileMask BindableTiles(const QueryItem& item) {
    if (!item.IsBlock()) return item.Test.Tiles & AllTilesMask(ActiveTileCount());
    const bool oneTile = std::all_of(item.Block.begin(), item.Block.end(), [&](char c) { return c == item.Block[0]; });
    return oneTile ? TileBit(item.Block[0] - TileBase) : 0;
}

}  // namespace

bool LettersOfSet(const SetSpec& set, const LetterCounts& previousBlankMatches, LetterCounts& members,
                  std::string& error) {
    members = set.Letters.Counts;
    switch (set.Kind) {
        case SetKind::BuiltIn:
            if (set.Argument == BuiltInBlankMatches) members = previousBlankMatches;
            return true;
        case SetKind::WordPattern:
        case SetKind::WordAnagram: members = WordBasedSet(set); return true;
        case SetKind::UserDefined: {
            const UserSet* userSet = FindUserSet(set.Argument);
            if (userSet == nullptr) {
                error = NoSuchUserSetText(set.Argument);
                return false;
            }
            members = userSet->Letters.Counts;
            return true;
        }
        default: return true;
    }
}

bool QueryConstituents::ResolveElement(const QueryElement& element, const LetterCounts& previousBlankMatches,
                                       Element& resolved, std::string& error) const {
    QueryItem& item = resolved.Item;
    SetRepeats(element, item);
    const SetSpec& set = element.Set;
    if (element.Kind == ElementKind::WordReference) {
        resolved.IsReference = true;
        resolved.Reference = element.Reference;
        return true;
    }
    // A wild card "*" is parsed as a blank of count 0 and resolves as one:
    // any number of tiles, at least one when required ("*!").
    LetterCounts members = set.Letters.Counts;
    switch (set.Kind) {
        case SetKind::Blank:
        case SetKind::PatternBlank:
        case SetKind::AnyLetter:
            members.fill(1);
            item.Test.Blank = true;
            break;
        case SetKind::SameLetter:
            members.fill(1);
            item.Test.SameLetter = set.Argument;
            break;
        default:
            if (!LettersOfSet(set, previousBlankMatches, members, error)) return false;
            break;
    }
    item.Test.Presence = set.Presence;
    if (set.AllMembers)
        item.Block = BlockOf(members);
    else
        item.Test.Tiles = MaskOf(members);
    return true;
}

bool QueryConstituents::Resolve(const ParsedCommand& command, const LetterCounts& previousBlankMatches,
                                std::string& error) {
    elements_.clear();
    anchors_.clear();
    hasWordReferences_ = false;
    std::vector<int> ofConstituent;  // the element of each constituent outside rack parts
    for (const QueryElement& element : command.QueryElements) {
        const int index = static_cast<int>(elements_.size());
        if (element.Kind == ElementKind::Constituent && element.Set.Kind == SetKind::SameConstituent) {
            const std::int64_t k = element.Set.Argument;
            const std::int64_t named = k > 0 ? k - 1 : static_cast<std::int64_t>(ofConstituent.size()) + k;
            if (element.InRack || named < 0 || named >= static_cast<std::int64_t>(ofConstituent.size())) {
                error = "The query-based set (S" + std::to_string(k) + ") names no constituent before it";
                return false;
            }
            Element resolved;
            SetRepeats(element, resolved.Item);
            const int anchor = ofConstituent[static_cast<std::size_t>(named)];
            resolved.Anchor = elements_[static_cast<std::size_t>(anchor)].Anchor >= 0
                                  ? elements_[static_cast<std::size_t>(anchor)].Anchor
                                  : anchor;
            if (std::find(anchors_.begin(), anchors_.end(), resolved.Anchor) == anchors_.end())
                anchors_.push_back(resolved.Anchor);
            elements_.push_back(resolved);
        } else {
            Element resolved;
            if (!ResolveElement(element, previousBlankMatches, resolved, error)) return false;
            hasWordReferences_ = hasWordReferences_ || resolved.IsReference;
            if (element.InRack && resolved.Item.IsBlock()) {
                // Every tile of a rack part may be left out on its own.
                QueryItem tile = resolved.Item;
                for (char c : std::string(resolved.Item.Block)) {
                    tile.Block.clear();
                    tile.Test = TileTest{};
                    tile.Test.Tiles = TileBit(c - TileBase);
                    Element member;
                    member.Item = tile;
                    elements_.push_back(member);
                }
                continue;
            }
            elements_.push_back(resolved);
        }
        if (!element.InRack) ofConstituent.push_back(index);
    }
    return true;
}

std::optional<SearchTable> QueryConstituents::TableFor(std::string_view referenceWord,
                                                       std::string_view letterMapping) const {
    std::vector<Element> elements = elements_;
    for (Element& element : elements) {
        if (!element.IsReference) continue;
        const std::optional<std::string> letters = ReferencedLetters(element.Reference, referenceWord, letterMapping);
        if (!letters || letters->empty()) return std::nullopt;
        SetLetters(element.Item, *letters);
    }
    int bindings = 0;
    for (const int anchor : anchors_) {
        QueryItem& repeated = elements[static_cast<std::size_t>(anchor)].Item;
        const TileMask tiles = BindableTiles(repeated);
        if (tiles == 0) return std::nullopt;
        const bool several = !std::has_single_bit(tiles);
        if (several) repeated.Binding = bindings;
        for (Element& element : elements) {
            if (element.Anchor != anchor) continue;
            element.Item.Test = TileTest{};
            element.Item.Test.Tiles = tiles;
            if (several) element.Item.Binding = bindings;
        }
        bindings += several;
    }
    SearchTable table;
    for (const Element& element : elements) table.push_back(element.Item);
    return table;
}

}  // namespace qora
