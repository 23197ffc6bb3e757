// The matcher that serves a search table: a ready-made matcher of the search
// where the table allows one, else the matcher of search tables. The choice
// is made once per table, before the walk.
#pragma once

#include <atomic>
#include <optional>
#include <utility>
#include <vector>

#include "engine/AnagramMatcher.h"
#include "engine/BoundAnagramMatcher.h"
#include "engine/PatternMatcher.h"
#include "engine/Search.h"
#include "engine/SearchTable.h"

namespace qora {

// Runs `walk` with the table of each way of binding the table's bindings to
// tiles until a walk ends otherwise than completed; the end of the last.
template <typename End, typename Walk>
End WalkEachBinding(const SearchTable& table, Walk walk) {
    End end = SearchEnd::Completed;
    ForEachBinding(table, [&](const SearchTable& bound) {
        end = walk(bound);
        return end == SearchEnd::Completed;
    });
    return end;
}

// Runs `run` with the anagram matcher of the table; nothing when the table
// has more different constituents than the matcher of search tables pools.
// The matchers of search tables give up matching when `stop` is set (Esc).
template <typename Run>
std::optional<SearchEnd> WithAnagramConstraint(const SearchTable& table, Run run, const std::atomic<bool>* stop) {
    BoundRacks racks;
    if (AsBoundRacks(table, racks)) {
        BoundAnagramConstraint constraint(racks);
        return run(constraint);
    }
    AnagramRack rack;
    if (AsSimpleRack(table, rack)) {
        if (IsMixedRack(rack)) {
            RackConstraint constraint(rack);
            return run(constraint);
        }
        AnagramConstraint constraint(rack);
        return run(constraint);
    }
    // Several bindings, or one beside a wild card: one walk that keeps the
    // bindings' tiles. One binding without a wild card besides: a walk for
    // each tile it may be bound to, each leaving the graph early.
    if (BindingCount(table) > 1 || (HasBindings(table) && HasFreeWildCard(table))) {
        BoundAnagramMatcher matcher(table, stop);
        if (matcher.TooLarge()) return std::nullopt;
        return run(matcher);
    }
    if (HasBindings(table))
        return WalkEachBinding<std::optional<SearchEnd>>(
            table, [&](const SearchTable& bound) { return WithAnagramConstraint(bound, run, stop); });
    AnagramMatcher matcher(table, stop);
    if (matcher.TooLarge()) return std::nullopt;
    return run(matcher);
}

// Whether the pattern matcher of search tables takes the table's bindings
// in one walk. A table with one binding is walked once for each tile it may
// be bound to instead, by faster matchers that leave the graph early.
inline bool PatternMatcherTakesBindings(const SearchTable& table) { return BindingCount(table) > 1; }

// Runs `run` with the pattern matcher of the table; the matcher of search
// tables gives up matching when `stop` is set (Esc).
template <typename Run>
SearchEnd WithPatternConstraint(const SearchTable& table, Run run, const std::atomic<bool>* stop) {
    if (PatternMatcherTakesBindings(table)) {
        PatternMatcher matcher(table, stop);
        return run(matcher);
    }
    if (HasBindings(table))
        return WalkEachBinding<SearchEnd>(
            table, [&](const SearchTable& bound) { return WithPatternConstraint(bound, run, stop); });
    std::vector<PatternElement> elements;
    if (AsSimplePattern(table, elements)) {
        if (OneRunPatternConstraint::Fits(elements)) {
            OneRunPatternConstraint constraint(elements);
            return run(constraint);
        }
        PatternConstraint constraint(std::move(elements));
        return run(constraint);
    }
    PatternMatcher matcher(table, stop);
    return run(matcher);
}

}  // namespace qora
