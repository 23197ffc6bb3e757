#include "engine/Search.h"

#include "engine/SearchTable.h"

#include <algorithm>
#include <bit>

namespace qora {

namespace {

void ReportProgress(const SearchControl& control, unsigned char firstTile) {
    if (control.Progress) control.Progress(firstTile);
}

// The walk of one lexicon's graph. Siblings stand in ascending letter order
// (validated when the lexicon was loaded), so a sibling list is left as soon
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
          control_(control),
          stop_(control.Stop != nullptr ? control.Stop : &neverStop_) {}

    // The walk keeps its own stack of the lists it is in, one per position,
    // rather than recursing: the state of a list is a few values, and a
    // call per list would save and restore far more.
    SearchEnd Run() {
        const TileMask first = constraint_.NextTiles(0);
        if (Stopped() || first == 0 || TooShallow(1, 0)) return Completed();
        List list = ListAt(1, first);  // the list being walked
        int length = 0;                // the position its tiles stand at
        for (;;) {
            const LexiconNode node = nodes_[list.At];
            const int tile = NodeLetter(node) - TileBase;
            const bool later = tile < list.End;  // this tile or a later one may be allowed
            if (later && ((list.Mask >> tile) & 1) != 0) {
                if (length == 0) {
                    if (Stopped()) break;
                    ReportProgress(control_, NodeLetter(node));
                }
                if (Enter(node, tile, list, length)) continue;
                if (stopped_) break;
            }
            if (later && !NodeIsLastSibling(node))
                ++list.At;
            else if (!Climb(list, length))
                break;
        }
        while (length > 0) Leave(list, length);
        return Completed();
    }

private:
    // A sibling list: the node looked at and the tiles allowed, up to the
    // end of the mask (no later tile is allowed).
    struct List {
        std::uint32_t At;
        TileMask Mask;
        int End;
    };

    static List ListAt(std::uint32_t first, TileMask mask) {
        return {first, mask, static_cast<int>(std::bit_width(mask))};
    }

    // A walk ends stopped when the stop flag was set before its end, even
    // where the constraint, seeing the flag itself, ended it by refusing
    // every tile.
    SearchEnd Completed() { return Stopped() ? SearchEnd::Stopped : SearchEnd::Completed; }

    // Whether the list at `first` leads to no word long enough for a match
    // (no list starts at or after the bound for 0 tiles).
    bool TooShallow(std::uint32_t first, int length) {
        const int needed = std::clamp(constraint_.TilesStillNeeded(length), 0, LexiconMaxWordLength + 1);
        return first >= shallowListStart_[static_cast<std::size_t>(needed)];
    }

    // The stop flag is read before each list is entered, after each match
    // and when the walk ends.
    bool Stopped() {
        if (stop_->load(std::memory_order_relaxed)) stopped_ = true;
        return stopped_;
    }

    // Takes the tile of `node` at `length`, reports a match, and enters the
    // node's children when some tile may follow there and they lead to
    // words long enough: then true, with the walk in the child list.
    bool Enter(LexiconNode node, int tile, List& list, int& length) {
        if (!constraint_.Take(length, tile)) return false;
        word_[static_cast<std::size_t>(length)] = static_cast<char8_t>(NodeLetter(node));
        BlankMarkBits blanks = 0;
        if (NodeIsEndOfWord(node) && constraint_.Accept(length + 1, blanks)) Report(length + 1, blanks);
        const std::uint32_t child = NodeChild(node);
        if (child != 0 && length + 1 < maxLength_ && !Stopped()) {
            const TileMask next = constraint_.NextTiles(length + 1);
            if (next != 0 && !TooShallow(child, length + 1)) {
                above_[static_cast<std::size_t>(length)] = list;
                list = ListAt(child, next);
                ++length;
                return true;
            }
        }
        constraint_.Release(length, tile);
        return false;
    }

    // Back to the list above, giving back the tile taken from it.
    void Leave(List& list, int& length) {
        --length;
        list = above_[static_cast<std::size_t>(length)];
        constraint_.Release(length, NodeLetter(nodes_[list.At]) - TileBase);
    }

    // Leaves finished lists until one has a next sibling to look at; false
    // when the walk is done.
    bool Climb(List& list, int& length) {
        while (length > 0) {
            Leave(list, length);
            if (!NodeIsLastSibling(nodes_[list.At])) {
                ++list.At;
                return true;
            }
        }
        return false;
    }

    // Out of line, so that the walk's own steps keep their registers.
    [[gnu::noinline]] void Report(int length, BlankMarkBits blanks) {
        const std::string_view word(reinterpret_cast<const char*>(word_.data()), static_cast<std::size_t>(length));
        if (!onMatch_({word, blanks}) || stop_->load(std::memory_order_relaxed)) stopped_ = true;
    }

    const LexiconNode* nodes_;
    const ListStarts& shallowListStart_;
    int maxLength_;
    Constraint& constraint_;
    const MatchFunction& onMatch_;
    const SearchControl& control_;
    static constexpr std::atomic<bool> neverStop_{false};
    const std::atomic<bool>* stop_;
    // The letters taken so far, as char8_t: a store of a char may alias
    // anything, and would make the compiler read the walk's state again
    // after each letter.
    std::array<char8_t, MaxSearchLength> word_{};
    std::array<List, MaxSearchLength> above_{};  // the lists above the one being walked
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
template <typename Items, typename TextOf>
SearchEnd WalkList(const Items& items, TextOf textOf, SearchConstraint& constraint, const MatchFunction& onMatch,
                   const SearchControl& control) {
    int firstTile = -1;
    for (const auto& each : items) {
        const std::string_view item = textOf(each);
        if (StopIsSet(control.Stop)) return SearchEnd::Stopped;
        if (item.empty() || item.size() > static_cast<std::size_t>(MaxSearchLength)) continue;
        const int tile = TileNumberOf(static_cast<unsigned char>(item[0]));
        if (tile != firstTile && tile != 0) {
            firstTile = tile;
            ReportProgress(control, static_cast<unsigned char>(TileBase + tile));
        }
        if (!OfferWord(item, constraint, onMatch)) return SearchEnd::Stopped;
    }
    return StopIsSet(control.Stop) ? SearchEnd::Stopped : SearchEnd::Completed;
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

template <ReadyMadeConstraint Constraint>
SearchEnd SearchLexicon(const LexiconRecord& lexicon, Constraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkGraph(lexicon, constraint, onMatch, control);
}

template SearchEnd SearchLexicon(const LexiconRecord&, AnagramConstraint&, const MatchFunction&, const SearchControl&);
template SearchEnd SearchLexicon(const LexiconRecord&, RackConstraint&, const MatchFunction&, const SearchControl&);
template SearchEnd SearchLexicon(const LexiconRecord&, BoundAnagramConstraint&, const MatchFunction&,
                                 const SearchControl&);
template SearchEnd SearchLexicon(const LexiconRecord&, PatternConstraint&, const MatchFunction&, const SearchControl&);
template SearchEnd SearchLexicon(const LexiconRecord&, OneRunPatternConstraint&, const MatchFunction&,
                                 const SearchControl&);

SearchEnd SearchLexicon(std::span<const std::string> words, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkList(
        words, [](const std::string& word) -> std::string_view { return word; }, constraint, onMatch, control);
}

SearchEnd SearchLexicon(const WordlistItems& items, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control) {
    return WalkList(
        items, [](const WordlistItem& item) -> std::string_view { return item.Text; }, constraint, onMatch, control);
}

// ---- The anagram matcher ----------------------------------------------------

bool IsMixedRack(const AnagramRack& rack) {
    bool required = false, optional = false;
    for (std::size_t slot = 0; slot < rack.Tiles.size(); ++slot) {
        required = required || rack.Tiles[slot] > 0 || rack.MarkedTiles[slot] > 0;
        optional = optional || rack.OptionalTiles[slot] > 0;
    }
    return required && optional;
}

template <bool Mixed>
BasicAnagramConstraint<Mixed>::BasicAnagramConstraint(const AnagramRack& rack, int tileCount)
    : allTiles_(AllTilesMask(tileCount)),
      blanksLeft_(std::max(rack.Blanks, 0) + std::max(rack.OptionalBlanks, 0)),
      requiredBlanks_(std::max(rack.Blanks, 0)) {
    if (rack.WildCard) wildTiles_ = allTiles_;
    int required = 0, optional = 0;
    for (int tile = 1; tile <= tileCount; ++tile) {
        const std::size_t slot = static_cast<std::size_t>(tile - 1), kind = static_cast<std::size_t>(tile);
        marked_[kind] = std::max<int>(rack.MarkedTiles[slot], 0);
        optional_[kind] = std::max<int>(rack.OptionalTiles[slot], 0);
        const int kindRequired = std::max<int>(rack.Tiles[slot], 0) + marked_[kind];
        left_[kind] = kindRequired + optional_[kind];
        if (left_[kind] > 0) available_ |= TileBit(tile);
        anyMarked_ = anyMarked_ || marked_[kind] > 0;
        required += kindRequired;
        optional += optional_[kind];
    }
    tilesOptional_ = required == 0;
    requiredLeft_ = Mixed ? required : required + optional;
    minimumLength_ = required + requiredBlanks_;
}

namespace {

AnagramRack RackOf(const LetterCounts& tiles, int blanks, bool wildCard, AnagramFit fit) {
    AnagramRack rack;
    (fit == AnagramFit::Exact ? rack.Tiles : rack.OptionalTiles) = tiles;
    (fit == AnagramFit::Exact ? rack.Blanks : rack.OptionalBlanks) = blanks;
    rack.WildCard = wildCard;
    return rack;
}

}  // namespace

template <bool Mixed>
BasicAnagramConstraint<Mixed>::BasicAnagramConstraint(const LetterCounts& tiles, int blanks, bool wildCard,
                                                      AnagramFit fit, int tileCount)
    : BasicAnagramConstraint(RackOf(tiles, blanks, wildCard, fit), tileCount) {}

template <bool Mixed>
BlankMarkBits BasicAnagramConstraint<Mixed>::MarkedAndRequired(int length, BlankMarkBits blanks) const {
    // A kind's marked tiles are the last of its tiles taken.
    std::array<int, LetterCountSlots + 1> marked = marked_;
    // Where the tiles a word lacks are fewer than the required blanks, the
    // other blanks take positions from the word's end back, each where an
    // optional tile of its kind was used: the required tiles stay matched.
    int more = requiredBlanks_ - std::popcount(blanks);
    std::array<int, LetterCountSlots + 1> spare{};  // the optional tiles used of each kind
    for (std::size_t kind = 1; kind < spare.size(); ++kind) spare[kind] = optional_[kind] - left_[kind];
    const BlankMarkBits ownTaken = ~(blankAt_ | wildAt_);
    for (int position = length - 1; position >= 0; --position) {
        const BlankMarkBits here = BlankMarkBits{1} << position;
        if ((ownTaken & here) == 0) continue;
        const std::size_t kind = static_cast<std::size_t>(tiles_[static_cast<std::size_t>(position)]);
        if (marked[kind] > 0) {
            --marked[kind];
        } else if (more > 0 && spare[kind] > 0) {
            --spare[kind];
            --more;
        } else {
            continue;
        }
        blanks |= here;
    }
    return blanks;
}

template class BasicAnagramConstraint<false>;
template class BasicAnagramConstraint<true>;

// ---- The anagram matcher of the bindings of a "(Sk)" set ---------------------

BoundAnagramConstraint::BoundAnagramConstraint(const BoundRacks& racks, int tileCount)
    : allTiles_(AllTilesMask(tileCount)),
      kinds_(racks.Kinds & AllTilesMask(tileCount)),
      plain_(std::max(racks.Plain, 0)),
      marked_(std::max(racks.Marked, 0)),
      bound_(plain_ + marked_),
      blanks_(std::max(racks.Base.Blanks, 0)),
      wildCard_(racks.Base.WildCard) {
    for (int tile = 1; tile <= tileCount; ++tile) {
        const int count = std::max<int>(racks.Base.Tiles[static_cast<std::size_t>(tile - 1)], 0);
        base_[static_cast<std::size_t>(tile)] = left_[static_cast<std::size_t>(tile)] = count;
        if (count > 0) available_ |= TileBit(tile);
        baseLeft_ += count;
    }
    length_ = baseLeft_ + blanks_ + bound_;
}

bool BoundAnagramConstraint::Accept(int length, BlankMarkBits& blanks) {
    // Every base tile used, and some kind's bound tiles: the blanks take the
    // rest, all of them without a wild card.
    if (baseLeft_ != 0 || mostBound_[static_cast<std::size_t>(length)] < bound_) return false;
    if (wildCard_ ? length < length_ : length != length_) return false;
    bool found = false;
    for (TileMask kinds = kinds_; kinds != 0; kinds &= kinds - 1) {
        const int kind = std::countr_zero(kinds);
        if (beyond_[static_cast<std::size_t>(kind)] < bound_) continue;
        const BlankMarkBits marks = MarksBoundTo(kind, length);
        if (!found || PlainEarlier(marks, blanks)) blanks = marks;
        found = true;
    }
    return found;
}

BlankMarkBits BoundAnagramConstraint::MarksBoundTo(int kind, int length) const {
    // Of each kind, the tiles beyond its plain ones (base, and bound for the
    // bound kind) are marked: the marked bound tiles, then the blanks'.
    std::array<int, LetterCountSlots + 1> plainLeft = base_;
    plainLeft[static_cast<std::size_t>(kind)] += plain_;
    BlankMarkBits marks = 0;
    for (int position = 0; position < length; ++position) {
        int& left = plainLeft[static_cast<std::size_t>(tiles_[static_cast<std::size_t>(position)])];
        if (left > 0)
            --left;
        else
            marks |= BlankMarkBits{1} << position;
    }
    return marks;
}

// ---- The pattern matcher ----------------------------------------------------

PatternConstraint::PatternConstraint(std::vector<PatternElement> elements)
    : elements_(std::move(elements)), tilesFrom_(elements_.size() + 1, 0) {
    for (std::size_t k = elements_.size(); k-- > 0;) tilesFrom_[k] = tilesFrom_[k + 1] + (elements_[k].Run ? 0 : 1);
    if (elements_.size() > static_cast<std::size_t>(MaxPatternElements)) return;
    for (std::size_t k = 0; k < elements_.size(); ++k) {
        const StateSet bit = StateSet{1} << k;
        if (elements_[k].Run) runs_ |= bit;
        for (int tile = 1; tile <= LetterCountSlots; ++tile)
            if ((elements_[k].Tiles & TileBit(tile)) != 0)
                (elements_[k].Run ? runsTaking_ : singlesTaking_)[tile] |= bit;
    }
    states_[0] = Closure(1);
}

int PatternConstraint::TilesStillNeeded(int length) {
    int needed = MaxSearchLength + 1;
    for (StateSet states = states_[length]; states != 0; states &= states - 1)
        needed = std::min(needed, tilesFrom_[static_cast<std::size_t>(std::countr_zero(states))]);
    return needed;
}

PatternConstraint::StateSet PatternConstraint::Closure(StateSet states) const {
    // A run may match nothing, so reaching it also reaches the next element;
    // each sweep passes one more run of a row of runs.
    for (StateSet more = states & runs_; more != 0;) {
        const StateSet reached = (more << 1) & ~states;
        states |= reached;
        more = reached & runs_;
    }
    return states;
}

PatternConstraint::StateSet PatternConstraint::Step(StateSet states, int tile) const {
    // A single element leads on to the next one, a run stays.
    return Closure(((states & singlesTaking_[static_cast<std::size_t>(tile)]) << 1) |
                   (states & runsTaking_[static_cast<std::size_t>(tile)]));
}

TileMask PatternConstraint::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    TileMask tiles = 0;
    for (StateSet states = states_[length]; states != 0; states &= states - 1) {
        const std::size_t k = static_cast<std::size_t>(std::countr_zero(states));
        if (k < elements_.size()) tiles |= elements_[k].Tiles;
    }
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

// ---- The pattern matcher of at most one run ---------------------------------

bool OneRunPatternConstraint::Fits(const std::vector<PatternElement>& elements) {
    return std::count_if(elements.begin(), elements.end(), [](const PatternElement& e) { return e.Run; }) <= 1;
}

OneRunPatternConstraint::OneRunPatternConstraint(const std::vector<PatternElement>& elements) {
    const auto run = std::find_if(elements.begin(), elements.end(), [](const PatternElement& e) { return e.Run; });
    const int before = static_cast<int>(run - elements.begin());
    const int singles = static_cast<int>(elements.size()) - (run != elements.end() ? 1 : 0);
    if (singles > MaxSearchLength) return;  // no word has so many tiles: matches nothing
    int at = 0;
    for (const PatternElement& element : elements) {
        if (element.Run) continue;
        tiles_[static_cast<std::size_t>(at)] = element.Tiles;
        if (element.Blank) {
            if (at < before)
                beforeBlanks_ |= BlankMarkBits{1} << at;
            else
                afterBlanks_ |= BlankMarkBits{1} << (at - before);
        }
        if (at >= before)
            for (int tile = 1; tile <= LetterCountSlots; ++tile)
                if ((element.Tiles & TileBit(tile)) != 0) afterTaking_[tile] |= AfterStates{1} << (at - before);
        ++at;
    }
    before_ = before;
    after_ = singles - before;
    hasRun_ = run != elements.end();
    if (hasRun_) {
        runTiles_ = run->Tiles;
        runBlank_ = run->Blank;
        states_[static_cast<std::size_t>(before_)] = 1;
    }
}

bool OneRunPatternConstraint::Accept(int length, BlankMarkBits& blanks) {
    if (!hasRun_) {
        blanks = beforeBlanks_;
        return length == before_;
    }
    if (length < before_ || (states_[static_cast<std::size_t>(length)] >> after_ & 1) == 0) return false;
    // The run takes the tiles between those before and after it.
    const int runEnd = length - after_;
    const auto below = [](int position) { return (std::uint64_t{1} << position) - 1; };
    const std::uint64_t marks =
        beforeBlanks_ | (std::uint64_t{afterBlanks_} << runEnd) | (runBlank_ ? below(runEnd) & ~below(before_) : 0);
    blanks = static_cast<BlankMarkBits>(marks);
    return true;
}

}  // namespace qora
