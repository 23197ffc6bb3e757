// What the constituents of a parsed query stand for: their letter sets
// resolved (user-defined sets, the previous query's blank matches, the
// word-based sets, which are computed against the primary lexicon), their
// repetitions as minimum and maximum, and the search table that a query
// runs on: one for each word of the word-reference source when the query has
// word references, with a binding for the tile that each query-based "(Sk)"
// set repeats.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QueryRecords.h"
#include "engine/SearchTable.h"

namespace qora {

// The tiles of a letter set, as a query or a set definition uses it: the
// tiles the parser filled in; for the set "=" the tiles that blanks matched
// in the previous query; for a word-based set the tiles that make a word of
// the primary lexicon with it; for a user-defined set its tiles (false with
// the reason when there is no such set).
bool LettersOfSet(const SetSpec& set, const LetterCounts& previousBlankMatches, LetterCounts& members,
                  std::string& error);

class QueryConstituents {
public:
    // Resolves the query elements of `command`. `previousBlankMatches` is the
    // set "=". False with the reason when a user-defined set does not exist.
    bool Resolve(const ParsedCommand& command, const LetterCounts& previousBlankMatches, std::string& error);

    bool HasWordReferences() const { return hasWordReferences_; }

    // The search table of the query for one word of the word-reference
    // source (a tile string; ignored without word references); nothing when
    // a reference names letters the word does not have, or a constituent
    // that "(Sk)" repeats can stand for no one tile. `letterMapping` holds
    // the tile that each tile maps to ('@' + tile number). A constituent that
    // "(Sk)" sets repeat and those sets share a binding when it may be more
    // than one tile.
    std::optional<SearchTable> TableFor(std::string_view referenceWord, std::string_view letterMapping) const;

private:
    struct Element {
        QueryItem Item;
        bool IsReference = false;
        qora::WordReference Reference;
        int Anchor = -1;  // "(Sk)": the element whose tile it repeats (the first of a chain)
    };

    bool ResolveElement(const QueryElement& element, const LetterCounts& previousBlankMatches, Element& resolved,
                        std::string& error) const;

    std::vector<Element> elements_;
    std::vector<int> anchors_;  // the elements whose tile "(Sk)" sets repeat
    bool hasWordReferences_ = false;
};

}  // namespace qora
