// Every class of query, the engine beside a plain depth-first walk of the
// same word graph written here: anagrams with 0, 1 and 2 blanks, racks,
// patterns of 4 to 9 letters, patterns with a run, 15 tiles with 2 blanks.
// The engine's side is what a query runs for each of its search tables: the
// table made from the parsed query, the matcher chosen for it and the walk.
// The plain walk takes a tile wherever the query's rule lets it through and
// leaves a sibling list only where its ascending order says nothing later
// fits; it knows no word lengths.
//
// Each iteration runs every query of the class once each way; the counters
// are the sums over the queries of each one's fastest time (the figure least
// disturbed on a shared machine) and their ratio, engine / plain (goal: 1.2
// or less). Both sides must find the same number of words.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "bench/BenchLexicon.h"
#include "engine/QueryConstituents.h"
#include "engine/TableMatchers.h"
#include "processor/Parser.h"
#include "processor/Settings.h"

namespace qora {
namespace {

// ---- The plain walk ----------------------------------------------------------

// A query as the plain walk reads its text: letters, "?" (a blank) and
// "," (the tiles after it may be left out) for anagrams; letters, "?" and
// one "*" for patterns.
struct PlainQuery {
    bool Pattern = false;
    // Anagrams: the tiles of each kind, how many of them are required, the
    // blanks (all required, or all in the rack part).
    std::array<int, LetterCountSlots + 1> Tiles{};
    std::array<int, LetterCountSlots + 1> Required{};
    int Blanks = 0;
    bool BlanksRequired = true;
    // Patterns: the elements before the run (all of them when there is
    // none) and after it.
    std::vector<TileMask> Before, After;
    bool Run = false;
};

PlainQuery ReadPlain(const std::string& text, bool pattern) {
    PlainQuery query;
    query.Pattern = pattern;
    bool rack = false;
    for (char c : text) {
        const int tile = c - TileBase;
        if (pattern) {
            const TileMask mask = c == '?' ? AllTilesMask(LatinTileCount) : TileBit(tile);
            if (c == '*')
                query.Run = true;
            else
                (query.Run ? query.After : query.Before).push_back(mask);
        } else if (c == ',') {
            rack = true;
        } else if (c == '?') {
            ++query.Blanks;
            query.BlanksRequired = !rack;
        } else {
            ++query.Tiles[tile];
            if (!rack) ++query.Required[tile];
        }
    }
    return query;
}

class PlainWalk {
public:
    PlainWalk(const LexiconRecord& lexicon, const PlainQuery& query) : nodes_(lexicon.Nodes), query_(query) {}

    std::size_t Count() {
        found_ = 0;
        if (query_.Pattern) {
            Pattern(1, 0);
        } else {
            left_ = query_.Tiles;
            blanks_ = query_.Blanks;
            remaining_ = blanks_;
            requiredLeft_ = query_.BlanksRequired ? blanks_ : 0;
            for (int tile = 1; tile <= LetterCountSlots; ++tile) {
                remaining_ += left_[tile];
                requiredLeft_ += query_.Required[tile];
            }
            Anagram(1, 0);
        }
        return found_;
    }

private:
    // A tile of its own kind while one is left (a required one first), else
    // a blank.
    void Anagram(std::uint32_t first, int depth) {
        for (std::uint32_t i = first;; ++i) {
            const LexiconNode node = nodes_[i];
            const int tile = NodeLetter(node) - TileBase;
            const bool own = left_[tile] > 0;
            if (own || blanks_ > 0) {
                const bool required =
                    own ? left_[tile] > query_.Tiles[tile] - query_.Required[tile] : query_.BlanksRequired;
                --(own ? left_[tile] : blanks_);
                --remaining_;
                requiredLeft_ -= required;
                if (NodeIsEndOfWord(node) && requiredLeft_ == 0) ++found_;
                if (NodeChild(node) != 0 && remaining_ > 0) Anagram(NodeChild(node), depth + 1);
                ++(own ? left_[tile] : blanks_);
                ++remaining_;
                requiredLeft_ += required;
            }
            if (NodeIsLastSibling(node)) return;
        }
    }

    void Pattern(std::uint32_t first, int depth) {
        const std::size_t before = query_.Before.size();
        const std::size_t at = static_cast<std::size_t>(depth);
        const TileMask mask = at < before ? query_.Before[at] : AllTilesMask(LatinTileCount);
        for (std::uint32_t i = first;; ++i) {
            const LexiconNode node = nodes_[i];
            const int tile = NodeLetter(node) - TileBase;
            if ((mask >> tile) == 0) return;
            if ((mask & TileBit(tile)) != 0) {
                tiles_[at] = tile;
                if (NodeIsEndOfWord(node) && PatternComplete(depth + 1)) ++found_;
                if (NodeChild(node) != 0 && (query_.Run || at + 1 < before)) Pattern(NodeChild(node), depth + 1);
            }
            if (NodeIsLastSibling(node)) return;
        }
    }

    bool PatternComplete(int length) const {
        const std::size_t size = static_cast<std::size_t>(length);
        const std::size_t before = query_.Before.size(), after = query_.After.size();
        if (!query_.Run) return size == before;
        if (size < before + after) return false;
        for (std::size_t k = 0; k < after; ++k)
            if ((query_.After[k] & TileBit(tiles_[size - after + k])) == 0) return false;
        return true;
    }

    const LexiconNode* nodes_;
    const PlainQuery& query_;
    std::array<int, LetterCountSlots + 1> left_{};
    int blanks_ = 0;
    int remaining_ = 0;
    int requiredLeft_ = 0;
    std::array<int, MaxSearchLength> tiles_{};
    std::size_t found_ = 0;
};

// ---- The engine --------------------------------------------------------------

struct EngineQuery {
    QueryConstituents Constituents;
    bool Pattern = false;
};

EngineQuery ReadEngine(const std::string& text, bool pattern) {
    ParsedCommand command;
    EngineQuery query;
    std::string error;
    if (ParseLine((pattern ? "/Q2 " : "") + text, BuiltInSettings(), false, command).HasError() ||
        !query.Constituents.Resolve(command, LetterCounts{}, error)) {
        std::fprintf(stderr, "bench_search_classes: cannot read %s\n", text.c_str());
        std::exit(1);
    }
    query.Pattern = pattern;
    return query;
}

std::size_t EngineCount(const LexiconRecord& lexicon, const EngineQuery& query) {
    std::size_t found = 0;
    const MatchFunction count = [&found](const SearchMatch&) {
        ++found;
        return true;
    };
    const SearchTable table = *query.Constituents.TableFor({}, {});
    const auto search = [&](auto& constraint) { return SearchLexicon(lexicon, constraint, count); };
    if (query.Pattern)
        WithPatternConstraint(table, search, nullptr);
    else
        WithAnagramConstraint(table, search, nullptr);
    return found;
}

// ---- The comparison ------------------------------------------------------------

template <typename Run>
double Seconds(Run run, std::size_t& found) {
    const auto start = std::chrono::steady_clock::now();
    found = run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Compare(benchmark::State& state, const std::vector<std::string>& texts, bool pattern) {
    const LexiconRecord& lexicon = bench::English();
    std::vector<PlainQuery> plain;
    std::vector<EngineQuery> engine;
    for (const std::string& text : texts) {
        plain.push_back(ReadPlain(text, pattern));
        engine.push_back(ReadEngine(text, pattern));
    }
    const double never = std::numeric_limits<double>::infinity();
    std::vector<double> plainBest(texts.size(), never), engineBest(texts.size(), never);
    std::size_t words = 0;
    for (auto _ : state) {
        words = 0;
        for (std::size_t q = 0; q < texts.size(); ++q) {
            std::size_t byPlain = 0, byEngine = 0;
            plainBest[q] =
                std::min(plainBest[q], Seconds([&] { return PlainWalk(lexicon, plain[q]).Count(); }, byPlain));
            engineBest[q] = std::min(engineBest[q], Seconds([&] { return EngineCount(lexicon, engine[q]); }, byEngine));
            if (byPlain != byEngine) {
                state.SkipWithError(("the walks disagree on " + texts[q]).c_str());
                return;
            }
            words += byEngine;
        }
    }
    double plainSum = 0, engineSum = 0;
    for (std::size_t q = 0; q < texts.size(); ++q) {
        plainSum += plainBest[q];
        engineSum += engineBest[q];
    }
    state.counters["plain_us"] = plainSum * 1e6;
    state.counters["engine_us"] = engineSum * 1e6;
    state.counters["ratio"] = engineSum / plainSum;
    state.counters["words"] = static_cast<double>(words);
}

void BM_Anagrams0Blanks(benchmark::State& state) {
    Compare(state, {"AEINRST", "ADEILRS", "EILNORS", "ACEINRT", "DEINORS", "AEGINRST", "CEINORST"}, false);
}
void BM_Anagrams1Blank(benchmark::State& state) {
    Compare(state, {"AEINRS?", "ADEILR?", "EILNOR?", "ACEINR?", "DEINOR?", "AEGINRS?", "CEINORS?"}, false);
}
void BM_Anagrams2Blanks(benchmark::State& state) {
    Compare(state, {"AEINR??", "ADEIL??", "EILNO??", "ACEIN??", "DEINO??", "AEGINR??", "CEINOR??"}, false);
}
void BM_Racks(benchmark::State& state) {
    Compare(state, {",AEINRST", ",ADEILRS?", "ER,AINST", "AE,INRST?", ",CEINORST"}, false);
}
void BM_Patterns4To9(benchmark::State& state) {
    Compare(state,
            {"?A?E", "B??K", "????", "S??RT", "?OU?D", "?????", "?RA?E?", "S?R?NG", "C?N?E?T", "??ST?NG", "???????",
             "?A?I?A?E", "CO?PUTE?", "??T?R?ING", "?N?E?S?TY"},
            true);
}
void BM_PatternsWithARun(benchmark::State& state) {
    Compare(state, {"CO*ING", "*TION", "RE*", "S*S", "?A*E", "UN*ED"}, true);
}
void BM_Anagrams15Tiles2Blanks(benchmark::State& state) {
    Compare(state, {"ENTIRASOLUDCP??", "ACCOMPLISHMEN??", "ABSTRACTIONIS??"}, false);
}

#define CLASS(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)->MinTime(2)
CLASS(BM_Anagrams0Blanks);
CLASS(BM_Anagrams1Blank);
CLASS(BM_Anagrams2Blanks);
CLASS(BM_Racks);
CLASS(BM_Patterns4To9);
CLASS(BM_PatternsWithARun);
CLASS(BM_Anagrams15Tiles2Blanks);

}  // namespace
}  // namespace qora

BENCHMARK_MAIN();
