#include "engine/QueryEvaluation.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

#include "engine/AnagramPools.h"
#include "engine/Board.h"
#include "engine/CanonicalOrder.h"
#include "engine/Lexicons.h"
#include "engine/QueryConstituents.h"
#include "engine/QueryFilters.h"
#include "engine/Search.h"
#include "engine/SearchTable.h"
#include "engine/TableMatchers.h"
#include "engine/Tiles.h"
#include "platform/ProgramState.h"

namespace qora {

LetterGridSolver SolveLetterGrid;

namespace {

constexpr int GridLetters = 25;

LetterCounts previousBlankMatches{};

// The words a query searches: the primary lexicon, or the items of the word
// source's wordlist (which stays as it is while the query runs: the result
// goes to the slate when the search is done).
class WordSource {
public:
    bool Open(const Settings& settings, std::string& error) {
        if (settings.WordSource == WordSourceLexicon) {
            lexicon_ = LexiconOfRole(PrimaryRole);
            if (lexicon_ == nullptr) error = "There is no primary lexicon";
            return lexicon_ != nullptr;
        }
        const Wordlist* wordlist = FindWordlist(settings.WordSource);
        if (wordlist == nullptr) {
            error = NoSuchWordlistText(settings.WordSource);
            return false;
        }
        items_ = &wordlist->Items();
        return true;
    }

    template <typename Constraint>
    SearchEnd Search(Constraint& constraint, const MatchFunction& onMatch, const SearchControl& control) const {
        if (lexicon_ != nullptr) return SearchLexicon(*lexicon_, constraint, onMatch, control);
        return SearchLexicon(*items_, constraint, onMatch, control);
    }

private:
    const LexiconRecord* lexicon_ = nullptr;
    const WordlistItems* items_ = nullptr;
};

// The word with its blank-matched tiles in lower case; bit `firstPosition`
// of the marks stands for its first tile.
std::string Marked(std::string_view word, BlankMarkBits blanks, int firstPosition = 0) {
    std::string marked(word);
    for (std::size_t i = 0; i < marked.size(); ++i)
        if ((blanks >> (firstPosition + static_cast<int>(i)) & 1) != 0) marked[i] = static_cast<char>(marked[i] + 32);
    return marked;
}

// The query's result: the words that pass the filters, in the form the
// result kind asks for, and the tiles their blanks matched. The walks of one
// word of the word-reference source (one per tile where a "(Sk)" binding is
// walked tile by tile) may offer a word more than once; it is shown in the
// preferred way, and filtered in that way, when the walks are done.
class QueryResult {
public:
    QueryResult(const Settings& settings, bool plainFromEnd) : settings_(settings), plainFromEnd_(plainFromEnd) {}

    Wordlist& Items() { return items_; }
    const LetterCounts& BlankMatches() const { return blankMatches_; }

    // A word, or a pair of words "FIRST SECOND" whose marks count the
    // positions of both words without the blank between them.
    void Offer(std::string_view item, BlankMarkBits blanks) {
        const auto [found, added] = offered_.try_emplace(std::string(item), blanks);
        if (!added && (plainFromEnd_ ? PlainLater(blanks, found->second) : PlainEarlier(blanks, found->second)))
            found->second = blanks;
    }

    // Filters and adds the words offered; a stop (Esc) ends it at once, the
    // result then being thrown away.
    void AddOffered(const std::atomic<bool>* stop) {
        for (const auto& [item, blanks] : offered_) {
            if (StopIsSet(stop)) break;
            const std::size_t gap = item.find(' ');
            if (gap == std::string::npos)
                AddWord(item, blanks);
            else
                AddPair(std::string_view(item).substr(0, gap), std::string_view(item).substr(gap + 1), blanks);
        }
        offered_.clear();
    }

private:
    void AddWord(std::string_view word, BlankMarkBits blanks) {
        const std::string marked = Marked(word, blanks);
        if (!PassesWordCountFilter(settings_, 1) || !PassesBlankFilter(settings_, marked) ||
            !PassesQueryFilters(settings_, marked, static_cast<int>(word.size())))
            return;
        AddWordToWordlist(items_, Arranged(marked), settings_.ResultKind == ResultKindStrings);
        NoteBlankMatches(marked);
    }

    void AddPair(std::string_view first, std::string_view second, BlankMarkBits blanks) {
        const std::string one = Marked(first, blanks), two = Marked(second, blanks, static_cast<int>(first.size()));
        const std::string tiles = one + two;
        if (!PassesWordCountFilter(settings_, 2) || !PassesBlankFilter(settings_, tiles) ||
            !PassesTileFilters(settings_, tiles, static_cast<int>(tiles.size())) ||
            !PassesWordFilters(settings_, one) || !PassesWordFilters(settings_, two))
            return;
        AddWordToWordlist(items_, Arranged(one) + " " + Arranged(two), true);
        NoteBlankMatches(tiles);
    }

    std::string Arranged(const std::string& word) const {
        return settings_.ResultKind == ResultKindCanonicalWords
                   ? ArrangeInOrdering(word, settings_.CanonicalOutputOrder)
                   : word;
    }

    void NoteBlankMatches(std::string_view marked) {
        for (unsigned char c : marked)
            if (c > '`') blankMatches_[static_cast<std::size_t>(TileNumberOf(c) - 1)] = 1;
    }

    const Settings& settings_;
    bool plainFromEnd_;
    std::map<std::string, BlankMarkBits> offered_;
    Wordlist items_;
    LetterCounts blankMatches_{};
};

// The test of the words that hold a run of tiles matching a table (rack
// parts left out) as a pattern. The matcher that WithPatternConstraint
// chooses for the table is made once and kept for every word; a table with
// one binding, which it would walk once for each tile, is instead bound to
// the tiles of each word. When `stop` is set (Esc), no word holds a run.
class RunTest {
public:
    RunTest(const SearchTable& table, const std::atomic<bool>* stop)
        : runs_(Imbedded(WithoutRack(table))), stop_(stop) {
        if (HasBindings(runs_) && !PatternMatcherTakesBindings(runs_)) return;
        WithPatternConstraint(
            runs_,
            [this](auto& chosen) {
                using Constraint = std::decay_t<decltype(chosen)>;
                auto kept = std::make_shared<Constraint>(std::move(chosen));
                if constexpr (std::is_same_v<Constraint, PatternMatcher>)
                    holds_ = [kept](std::string_view word) { return kept->Matches(word); };
                else
                    holds_ = [kept](std::string_view word) { return Holds(*kept, word); };
                return SearchEnd::Completed;
            },
            stop_);
    }

    bool HoldsRun(std::string_view word) {
        if (holds_) return holds_(word);
        TileMask tiles = 0;
        for (unsigned char c : word) tiles |= TileBit(TileNumberOf(c));
        bool holds = false;
        WithPatternConstraint(
            BoundWithin(runs_, tiles),
            [&](SearchConstraint& constraint) {
                holds = Holds(constraint, word);
                return holds ? SearchEnd::Stopped : SearchEnd::Completed;
            },
            stop_);
        return holds;
    }

private:
    static bool Holds(SearchConstraint& constraint, std::string_view word) {
        const std::string words[] = {std::string(word)};
        return SearchLexicon(std::span<const std::string>(words), constraint,
                             [](const SearchMatch&) { return false; }) == SearchEnd::Stopped;
    }

    SearchTable runs_;
    const std::atomic<bool>* stop_;
    std::function<bool(std::string_view word)> holds_;
};

// The second word of a pair: the anagram constraint from the tiles after
// the first word on.
template <typename Constraint>
class SecondWord final : public SearchConstraint {
public:
    SecondWord(Constraint& pair, int offset) : pair_(pair), offset_(offset) {}
    TileMask NextTiles(int length) override { return pair_.NextTiles(offset_ + length); }
    bool Take(int position, int tile) override { return pair_.Take(offset_ + position, tile); }
    void Release(int position, int tile) override { pair_.Release(offset_ + position, tile); }
    bool Accept(int length, BlankMarkBits& blanks) override { return pair_.Accept(offset_ + length, blanks); }
    int TilesStillNeeded(int length) override { return pair_.TilesStillNeeded(offset_ + length); }

private:
    Constraint& pair_;
    int offset_;
};

// The first word of a pair: any word that the anagram constraint can go on
// from.
template <typename Constraint>
class FirstWord final : public SearchConstraint {
public:
    explicit FirstWord(Constraint& pair) : pair_(pair) {}
    TileMask NextTiles(int length) override { return pair_.NextTiles(length); }
    bool Take(int position, int tile) override { return pair_.Take(position, tile); }
    void Release(int position, int tile) override { pair_.Release(position, tile); }
    bool Accept(int, BlankMarkBits&) override { return true; }

private:
    Constraint& pair_;
};

// One query of a mode over one search table.
class ModeSearch {
public:
    ModeSearch(const WordSource& source, QueryResult& result, const SearchControl& control)
        : source_(source), result_(result), control_(control) {}

    // The query's table. Nothing when it is too large for the anagram
    // matcher.
    std::optional<SearchEnd> Run(std::int32_t mode, const SearchTable& table) const {
        if (MinimumLength(table) > MaxSearchLength) return SearchEnd::Completed;
        switch (mode) {
            case QueryModePattern: return Patterns(table);
            case QueryModeImbeddedWord: return Patterns(Imbedded(table));
            case QueryModeSteal: return Steals(table);
            case QueryModeTwoWord: return Pairs(table);
            default: return Anagrams(table);
        }
    }

private:
    MatchFunction AddWords() const {
        return [this](const SearchMatch& match) {
            result_.Offer(match.Word, match.Blanks);
            return true;
        };
    }

    std::optional<SearchEnd> Anagrams(const SearchTable& table) const {
        return WithAnagramConstraint(
            table, [&](auto& constraint) { return source_.Search(constraint, AddWords(), control_); }, control_.Stop);
    }

    SearchEnd Patterns(const SearchTable& table) const {
        return WithPatternConstraint(
            table, [&](auto& constraint) { return source_.Search(constraint, AddWords(), control_); }, control_.Stop);
    }

    // The words with every tile of the table and more, that hold no run
    // that matches the query.
    std::optional<SearchEnd> Steals(const SearchTable& table) const {
        RunTest runs(table, control_.Stop);
        const MatchFunction offer = [&](const SearchMatch& match) {
            if (!runs.HoldsRun(match.Word)) result_.Offer(match.Word, match.Blanks);
            return true;
        };
        return WithAnagramConstraint(
            WithExtraTiles(table), [&](auto& steal) { return source_.Search(steal, offer, control_); }, control_.Stop);
    }

    // The pairs of words, the first not after the second in word order, that
    // together match the table.
    std::optional<SearchEnd> Pairs(const SearchTable& table) const {
        const SearchControl inner{control_.Stop, {}};
        return WithAnagramConstraint(
            table,
            [&](auto& pair) {
                using Constraint = std::remove_reference_t<decltype(pair)>;
                FirstWord<Constraint> first(pair);
                return source_.Search(
                    first,
                    [&](const SearchMatch& one) {
                        const std::string firstWord(one.Word);
                        SecondWord<Constraint> second(pair, static_cast<int>(firstWord.size()));
                        const SearchEnd end = source_.Search(
                            second,
                            [&](const SearchMatch& two) {
                                if (two.Word >= firstWord)
                                    result_.Offer(firstWord + " " + std::string(two.Word), two.Blanks);
                                return true;
                            },
                            inner);
                        return end == SearchEnd::Completed;
                    },
                    control_);
            },
            control_.Stop);
    }

    const WordSource& source_;
    QueryResult& result_;
    const SearchControl& control_;
};

bool StopRequested(const QueryEnvironment& environment) { return StopIsSet(environment.Stop); }

// The words of the word-reference source, as tile strings (views of its
// items, which stay as they are while the query runs); items that are no
// word of the language are passed over.
bool ReferenceWords(const Settings& settings, std::vector<std::string_view>& words, std::string& error) {
    const Wordlist* source = FindWordlist(settings.WordReferenceSource);
    if (source == nullptr) {
        error = NoSuchWordlistText(settings.WordReferenceSource);
        return false;
    }
    for (const WordlistItem& item : source->Items()) {
        const bool word = !item.Text.empty() && std::all_of(item.Text.begin(), item.Text.end(), [](char c) {
            return TileNumberOf(static_cast<unsigned char>(c)) != 0;
        });
        if (word) words.push_back(item.Text);
    }
    return true;
}

QueryEnd SearchQuery(const ParsedCommand& command, const QueryEnvironment& environment, QueryOutput& output,
                     QueryResult& result) {
    const Settings& settings = command.QuerySettings;
    std::string error;
    WordSource source;
    QueryConstituents constituents;
    std::vector<std::string_view> referenceWords;
    if (!source.Open(settings, error) || !constituents.Resolve(command, previousBlankMatches, error) ||
        (constituents.HasWordReferences() && !ReferenceWords(settings, referenceWords, error))) {
        output.ReportError(error);
        return QueryEnd::Failed;
    }
    if (!constituents.HasWordReferences()) referenceWords.emplace_back();
    SearchControl control;
    control.Stop = environment.Stop;
    control.Progress = [&output](unsigned char firstTile) {
        output.ShowProgress("WORKING: " + TileCaption(firstTile - TileBase));
    };
    const ModeSearch search(source, result, control);
    bool tooLarge = false;
    for (const std::string_view word : referenceWords) {
        if (const std::optional<SearchTable> table = constituents.TableFor(word, environment.LetterMapping)) {
            const std::optional<SearchEnd> end = search.Run(settings.QueryMode, *table);
            tooLarge = !end.has_value();
        }
        // A stopped search may have found millions of words: Esc ends the
        // query without filtering and adding them.
        result.AddOffered(environment.Stop);
        if (tooLarge) {
            output.ReportError("The query has more than " + std::to_string(MaxAnagramPools) +
                               " different constituents");
            return QueryEnd::Failed;
        }
        if (StopRequested(environment)) return QueryEnd::Stopped;
    }
    return QueryEnd::Completed;
}

QueryEnd GridQuery(const ParsedCommand& command, const QueryEnvironment& environment, QueryOutput& output,
                   QueryResult& result) {
    if (!SolveLetterGrid) {
        output.ReportError(NoGridSolverText);
        return QueryEnd::Failed;
    }
    std::string letters;
    for (const QueryElement& element : command.QueryElements) {
        if (letters.size() == GridLetters) break;
        letters += static_cast<char>(TileBase + element.Set.Argument);
    }
    if (letters.size() < GridLetters) {
        output.ReportError("A 5 x 5 grid query needs at least 25 letters");
        return QueryEnd::Failed;
    }
    const Settings& settings = command.QuerySettings;
    if (!SolveLetterGrid(letters, settings, environment.Stop, result.Items(), output)) return QueryEnd::Failed;
    if (StopRequested(environment)) return QueryEnd::Stopped;
    if (settings.ScoringMode == ScoringModeGrid && (settings.PresentationSwitches & SwitchScores) != 0) {
        int total = 0;
        for (const WordlistItem& item : result.Items().Items()) total += BoardWordScore(item.Text, settings);
        output.WriteLine("Total score = " + std::to_string(total));
    }
    return QueryEnd::Completed;
}

void UpdateSlate(std::int32_t update, const Wordlist& result) {
    switch (update) {
        case SlateUpdateAdd: CombineWordlistItems(Slate, Slate, SetOperation::Union, result); break;
        case SlateUpdateRemove: CombineWordlistItems(Slate, Slate, SetOperation::Difference, result); break;
        case SlateUpdateKeepOnly: CombineWordlistItems(Slate, Slate, SetOperation::Intersection, result); break;
        default: CopyWordlistItems(Slate, result); break;
    }
}

}  // namespace

QueryEnd EvaluateQuery(const ParsedCommand& command, const QueryEnvironment& environment, QueryOutput& output) {
    const std::int32_t mode = command.QuerySettings.QueryMode;
    QueryResult result(command.QuerySettings, mode == QueryModePattern || mode == QueryModeImbeddedWord);
    const QueryEnd end = command.QuerySettings.QueryMode == QueryModeGrid
                             ? GridQuery(command, environment, output, result)
                             : SearchQuery(command, environment, output, result);
    if (end == QueryEnd::Stopped) output.WriteLine(SearchStoppedText);
    if (end != QueryEnd::Completed) return end;
    UpdateSlate(command.QuerySettings.SlateUpdate, result.Items());
    previousBlankMatches = result.BlankMatches();
    return end;
}

const LetterCounts& PreviousBlankMatches() { return previousBlankMatches; }

void ResetPreviousBlankMatches() { previousBlankMatches = LetterCounts{}; }

void RetilePreviousBlankMatches(Language previous) {
    previousBlankMatches = RetileLetterCounts(previousBlankMatches, previous);
}
const ProgramStateReset registerResetPreviousBlankMatches(ResetPreviousBlankMatches);
// The grid game plugs its solver in again after a reset.
const ProgramStateReset registerResetGridSolver([] { SolveLetterGrid = nullptr; });

}  // namespace qora
