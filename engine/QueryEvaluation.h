// The evaluation of a query: from the parsed command and its settings, the
// search tables are made and the primary lexicon (or the word source's
// wordlist) is walked in the query's mode; every word that matches and passes
// the filters joins the query's result, with its blank-matched tiles marked,
// and the result then meets the slate as the slate update says (replace, add,
// remove, keep only). See docs/command-language.md, "Query meaning".
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

#include "engine/LetterCounts.h"
#include "engine/QueryRecords.h"
#include "engine/Wordlists.h"

namespace qora {

// Where the evaluation reports to. The executor connects it to the console
// and the status bar through the query thread's bridges.
class QueryOutput {
public:
    virtual ~QueryOutput() = default;
    // A line of output: the grid of a 5 x 5 query, a total score, the notice
    // that a search was stopped.
    virtual void WriteLine(const std::string& line) = 0;
    // A fault that ends the query (the text without "Error - ").
    virtual void ReportError(const std::string& message) = 0;
    // The progress of a long search: "WORKING: " and the current first letter.
    virtual void ShowProgress(const std::string& status) = 0;
};

// What the evaluation needs from outside the engine.
struct QueryEnvironment {
    // The letter mapping of "/M": the tile that each tile maps to ('@' + tile
    // number), 26 or 28 of them.
    std::string_view LetterMapping;
    // Set to stop the search (Esc); checked all through it.
    const std::atomic<bool>* Stop = nullptr;
};

enum class QueryEnd {
    Completed,  // the slate holds the updated result
    Stopped,    // Esc: the slate is as it was
    Failed,     // an error was reported; the slate is as it was
};

constexpr const char* SearchStoppedText = "!!! - You have typed Esc to stop this search prematurely!";
constexpr const char* NoGridSolverText = "The 5 x 5 grid solver is not available.";

// Evaluates the query of `command` (its query elements and QuerySettings)
// into the slate.
QueryEnd EvaluateQuery(const ParsedCommand& command, const QueryEnvironment& environment, QueryOutput& output);

// The 5 x 5 grid solver: finds the words of the 25 letters (a tile string),
// filters them with the settings and adds them to `result`, writing the grid
// through `output`; it gives up when `stop` is set (Esc). False after it
// reported why it could not solve the grid. The grid game plugs it in at
// start-up; while it is not set, a grid query reports NoGridSolverText.
using LetterGridSolver = std::function<bool(std::string_view letters, const Settings& settings,
                                            const std::atomic<bool>* stop, Wordlist& result, QueryOutput& output)>;
extern LetterGridSolver SolveLetterGrid;

// The set "=": the tiles that blanks matched in the results of the last
// query that completed (each once; empty after a query without blanks).
const LetterCounts& PreviousBlankMatches();
void ResetPreviousBlankMatches();  // no query yet (start-up, tests)
// Carries the set "=" over from the tiles of `previous` to those of the active
// language (RetileLetterCounts).
void RetilePreviousBlankMatches(Language previous);

}  // namespace qora
