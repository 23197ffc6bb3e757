#include "engine/Search.h"

#include <algorithm>

namespace qora {

namespace {

bool StopRequested(const SearchControl& control) {
    return control.Stop != nullptr && control.Stop->load(std::memory_order_relaxed);
}

void ReportProgress(const SearchControl& control, unsigned char firstTile) {
    if (control.Progress) control.Progress(firstTile);
}

// The walk of one lexicon's graph. Siblings stand in ascending letter order
// (validated when the lexicon was mapped), so a sibling list is left as soon
// as no later tile can be in the constraint's mask. It is a template so that
// the calls to the ready-made constraints, whose classes are final, are
// direct and can be inlined: the walk spends its time in the sibling lists.
template <typename Constraint>
class GraphWalk {
public:
    GraphWalk(const LexiconRecord& lexicon, Constraint& constraint, const MatchFunction& onMatch,
              const SearchControl& control)
        : nodes_(lexicon.Nodes),
          shallowListStart_(lexicon.ShallowListStart),
          maxLength_(std::min(lexicon.MaxWordLength, MaxSearchLength)),
          constraint_(constraint),
          onMatch_(onMatch),
          control_(control) {}

    SearchEnd Run() {
        if (!TooShallow(1, 0)) Walk(1, 0);
        return stopped_ ? SearchEnd::Stopped : SearchEnd::Completed;
    }

private:
    // Whether the list at `first` leads to no word long enough for a match.
    bool TooShallow(std::uint32_t first, int length) {
        const int needed = constraint_.TilesStillNeeded(length);
        return needed > 0 &&
               first >= shallowListStart_[static_cast<std::size_t>(std::min(needed, LexiconMaxWordLength + 1))];
    }

    void Walk(std::uint32_t first, int length) {
        const TileMask mask = constraint_.NextTiles(length);
        for (std::uint32_t i = first; mask != 0; ++i) {
            const LexiconNode node = nodes_[i];
            const int tile = NodeLetter(node) - TileBase;
            if ((mask >> tile) == 0) break;
            if ((mask & TileBit(tile)) != 0) {
                if (StopRequested(control_)) stopped_ = true;
                if (stopped_) return;
                if (length == 0) ReportProgress(control_, NodeLetter(node));
                Visit(node, tile, length);
            }
            if (NodeIsLastSibling(node)) break;
        }
    }

    void Visit(LexiconNode node, int tile, int length) {
        if (!constraint_.Take(length, tile)) return;
        word_[length] = static_cast<char>(NodeLetter(node));
        BlankMarkBits blanks = 0;
        if (NodeIsEndOfWord(node) && constraint_.Accept(length + 1, blanks) &&
            !onMatch_(SearchMatch{std::string_view(word_, static_cast<std::size_t>(length + 1)), blanks}))
            stopped_ = true;
        const std::uint32_t child = NodeChild(node);
        if (!stopped_ && child != 0 && length + 1 < maxLength_ && !TooShallow(child, length + 1))
            Walk(child, length + 1);
        constraint_.Release(length, tile);
    }

    const LexiconNode* nodes_;
    const ListStarts& shallowListStart_;
    int maxLength_;
    Constraint& constraint_;
    const MatchFunction& onMatch_;
    const SearchControl& control_;
    char word_[MaxSearchLength]{};
    bool stopped_ = false;
};

// Offers one word of a list to the constraint, tile by tile; returns false
// when the match function asks to stop.
bool OfferWord(std::string_view item, SearchConstraint& constraint, const MatchFunction& onMatch) {
    char word[MaxSearchLength];
    int taken = 0;
    bool fits = true;
    for (; taken < static_cast<int>(item.size()); ++taken) {
        const int tile = TileNumberOf(static_cast<unsigned char>(item[taken]));
        if ((constraint.NextTiles(taken) & TileBit(tile)) == 0 || !constraint.Take(taken, tile)) {
            fits = false;
            break;
        }
        word[taken] = static_cast<char>(TileBase + tile);
    }
    BlankMarkBits blanks = 0;
    bool goOn = true;
    if (fits && constraint.Accept(taken, blanks))
        goOn = onMatch(SearchMatch{std::string_view(word, static_cast<std::size_t>(taken)), blanks});
    while (taken > 0) {
        --taken;
        constraint.Release(taken, TileNumberOf(static_cast<unsigned char>(item[taken])));
    }
    return goOn;
}

// Offers every item of a list, `textOf` giving its tile string.
template <typename Item, typename TextOf>
SearchEnd WalkList(std::span<const Item> items, TextOf textOf, SearchConstraint& constraint,
                   const MatchFunction& onMatch, const SearchControl& control) {
    int firstTile = -1;
    for (const Item& each : items) {
        const std::string_view item = textOf(each);
        if (StopRequested(control)) return SearchEnd::Stopped;
        if (item.empty() || item.size() > static_cast<std::size_t>(MaxSearchLength)) continue;
        const int tile = TileNumberOf(static_cast<unsigned char>(item[0]));
        if (tile != firstTile && tile != 0) {
            firstTile = tile;
            ReportProgress(control, static_cast<unsigned char>(TileBase + tile));
        }
        if (!OfferWord(item, constraint, onMatch)) return SearchEnd::Stopped;
    }
    return SearchEnd::Completed;
}

template <typename Constraint>
SearchEnd WalkGraph(const LexiconRecord& lexicon, Constraint& constraint, const MatchFunction& onMatch,
                    const SearchControl& control) {
    if (lexicon.Nodes == nullptr || lexicon.NodeCount < 2) return SearchEnd::Completed;
    return GraphWalk<Constraint>(lexicon, constraint, onMatch, control).Run();
}

}  // namespace

SearchEnd SearchLexicon(const LexiconRecord& lexicon, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkGraph(lexicon, constraint, onMatch, control);
}

SearchEnd SearchLexicon(const LexiconRecord& lexicon, AnagramConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkGraph(lexicon, constraint, onMatch, control);
}

SearchEnd SearchLexicon(const LexiconRecord& lexicon, PatternConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkGraph(lexicon, constraint, onMatch, control);
}

SearchEnd SearchLexicon(std::span<const std::string> words, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkList(
        words, [](const std::string& word) -> std::string_view { return word; }, constraint, onMatch, control);
}

SearchEnd SearchLexicon(std::span<const WordlistItem> items, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkList(
        items, [](const WordlistItem& item) -> std::string_view { return item.Text; }, constraint, onMatch, control);
}

// ---- The anagram matcher ----------------------------------------------------

AnagramConstraint::AnagramConstraint(const LetterCounts& tiles, int blanks, bool wildCard, AnagramFit fit,
                                     int tileCount)
    : allTiles_(AllTilesMask(tileCount)), blanksLeft_(std::max(blanks, 0)), wildCard_(wildCard), fit_(fit) {
    for (int tile = 1; tile <= tileCount; ++tile) {
        const int count = tiles[static_cast<std::size_t>(tile - 1)];
        if (count <= 0) continue;
        left_[static_cast<std::size_t>(tile)] = count;
        available_ |= TileBit(tile);
        tilesLeft_ += count;
    }
}

int AnagramConstraint::TilesStillNeeded(int) { return fit_ == AnagramFit::Exact ? tilesLeft_ + blanksLeft_ : 0; }

bool AnagramConstraint::Accept(int length, BlankMarkBits& blanks) {
    if (fit_ == AnagramFit::Exact && (tilesLeft_ != 0 || blanksLeft_ != 0)) return false;
    const BlankMarkBits taken = length >= MaxSearchLength ? ~BlankMarkBits{0} : (BlankMarkBits{1} << length) - 1;
    blanks = (blankAt_ | wildAt_) & taken;
    return true;
}

// ---- The pattern matcher ----------------------------------------------------

PatternConstraint::PatternConstraint(std::vector<PatternElement> elements)
    : elements_(std::move(elements)), tilesFrom_(elements_.size() + 1, 0) {
    for (std::size_t k = elements_.size(); k-- > 0;) tilesFrom_[k] = tilesFrom_[k + 1] + (elements_[k].Run ? 0 : 1);
    if (elements_.size() <= static_cast<std::size_t>(MaxPatternElements)) states_[0] = Closure(1);
}

int PatternConstraint::TilesStillNeeded(int length) {
    int needed = MaxSearchLength + 1;
    for (std::size_t k = 0; k < tilesFrom_.size(); ++k)
        if ((states_[length] >> k & 1) != 0) needed = std::min(needed, tilesFrom_[k]);
    return needed;
}

PatternConstraint::StateSet PatternConstraint::Closure(StateSet states) const {
    // A run may match nothing, so reaching it also reaches the next element;
    // runs in a row are passed in one ascending sweep.
    for (std::size_t k = 0; k < elements_.size(); ++k)
        if ((states >> k & 1) != 0 && elements_[k].Run) states |= StateSet{1} << (k + 1);
    return states;
}

PatternConstraint::StateSet PatternConstraint::Step(StateSet states, int tile) const {
    StateSet next = 0;
    for (std::size_t k = 0; k < elements_.size(); ++k) {
        if ((states >> k & 1) == 0 || (elements_[k].Tiles & TileBit(tile)) == 0) continue;
        next |= StateSet{1} << (elements_[k].Run ? k : k + 1);
    }
    return Closure(next);
}

TileMask PatternConstraint::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    TileMask tiles = 0;
    for (std::size_t k = 0; k < elements_.size(); ++k)
        if ((states_[length] >> k & 1) != 0) tiles |= elements_[k].Tiles;
    return tiles;
}

bool PatternConstraint::Take(int position, int tile) {
    const StateSet next = Step(states_[position], tile);
    if (next == 0) return false;
    states_[position + 1] = next;
    tiles_[position] = tile;
    return true;
}

bool PatternConstraint::Accept(int length, BlankMarkBits& blanks) {
    StateSet reached = StateSet{1} << elements_.size();
    if ((states_[length] & reached) == 0) return false;
    // Walk back from the end, keeping every state from which a plain
    // element leads on to the states kept for the next position, and only
    // when there is none, the states from which a blank one does. Keeping
    // them all, not one, lets each earlier position take a plain element
    // wherever any matching way allows.
    blanks = 0;
    for (int position = length - 1; position >= 0; --position) {
        const StateSet before = states_[position];
        StateSet plain = 0, blank = 0;
        for (std::size_t k = 0; k < elements_.size(); ++k) {
            const PatternElement& element = elements_[k];
            if ((before >> k & 1) == 0 || (element.Tiles & TileBit(tiles_[position])) == 0) continue;
            const StateSet after = Closure(StateSet{1} << (element.Run ? k : k + 1));
            if ((after & reached) != 0) (element.Blank ? blank : plain) |= StateSet{1} << k;
        }
        if (plain == 0) blanks |= BlankMarkBits{1} << position;
        reached = plain != 0 ? plain : blank;
    }
    return true;
}

}  // namespace qora
