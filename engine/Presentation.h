// The presentation of the slate: its items sorted by the sort keys and
// written as workspace lines in the presentation kind and layout of the
// settings, with the blank-matched letters marked; or, for the probes, one
// letter or one word of it. See docs/command-language.md, "Presenting the
// slate".
//
// The presentation writes through a sink and asks the large-output question
// through an interface, so that it runs the same on the query thread of the
// program (whose bridges reach the workspace and the dialog) and in tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/PresentationLayout.h"
#include "engine/QueryRecords.h"

namespace qora {

// Where presented lines go.
class PresentationSink {
public:
    virtual ~PresentationSink() = default;
    // Writes one line with its blank-matched letters. False once the user has
    // stopped the presentation (Esc); the sink then reports the stop itself,
    // and the presentation writes nothing more.
    virtual bool WriteLine(std::string_view text, std::span<const MarkRange> blankMarks) = 0;
};

// The large-output question, which the large-output dialog answers in the
// program.
class LargeOutputQuestion {
public:
    virtual ~LargeOutputQuestion() = default;
    // How many of the slate's `itemCount` items to present: 0 none, -1 all,
    // n the first n.
    virtual std::int32_t Ask(std::int32_t itemCount) = 0;
};

// A presentation of more items than this asks first.
constexpr std::int32_t LargeOutputLimit = 500;
// The most words that the letter probe of all words covers.
constexpr std::int32_t ProbeColumnWords = 50;

// The question's request line: "You are requesting a presentation of %d items."
std::string LargeOutputRequestText(std::int32_t itemCount);

// What the presentation needs of its surroundings.
struct PresentationContext {
    std::int32_t WorkspaceColumns = 80;          // the width for the workspace-width switch
    std::string SeparatorLine;                   // written between pages of columns
    bool CommandFileRunning = false;             // no question is asked from a command file
    LargeOutputQuestion* LargeOutput = nullptr;  // null: every item is presented
};

// How many slate items the list presentation writes: -1 every item, 0 none,
// n the first n. Set by each presentation (the large-output question's
// answer, or the count of the presentation kind).
extern std::int32_t ItemsToShow;

enum class PresentationEnd {
    Completed,
    Stopped,  // the sink refused a line (Esc)
    Failed,   // a probe named a word or letter that does not exist; Error says which
};

struct PresentationResult {
    PresentationEnd End = PresentationEnd::Completed;
    std::string Error;
};

// Sorts the slate by the settings' sort keys (keeping that order as the
// slate's presentation order) and presents it in the settings' presentation
// kind.
PresentationResult PresentSlate(const Settings& settings, const PresentationContext& context, PresentationSink& sink);

}  // namespace qora
