// What the option dialogs type onto the command line and the rules they
// follow, free of Qt: the random-rack and word-output orderings ("/.",
// "/;"), the letter mapping ("/M"), printing ("/PW") and its page setup, and
// the board square ("/@8H."). The dialogs (dialogs/CanonicalOrderDialog,
// LetterMappingDialog, PrintDialog, PageSetupDialog, BoardSquareDialog) call
// these; the main window's ordering lists type their orderings with
// AppendRackOrderCommand and AppendCanonOrderCommand too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BoardSquareTyping.h"
#include "engine/QueryRecords.h"
#include "engine/Tiles.h"
#include "platform/KeyCodes.h"

namespace qora {

// ---- Orderings -------------------------------------------------------------------

// "/.\"" + the ordering + "\"", the order of the tiles of random racks, and
// "/;\"" + the ordering + "\"", the order of the letters of output words (no
// blank follows either), and the two operations that append them.
std::string RackOrderCommand(std::string_view ordering);
std::string CanonOrderCommand(std::string_view ordering);
void AppendRackOrderCommand(std::string_view ordering);
void AppendCanonOrderCommand(std::string_view ordering);

// Whether OK may confirm the typed ordering: the command would take it.
bool IsCompleteOrdering(std::string_view text, bool randomRack);

// What OK does with a list of orderings whose item `current` is chosen: the
// item to choose, whether the typed ordering is first added as the last item,
// and whether its command is appended (not when it is the chosen item).
struct OrderingListUpdate {
    int Select = -1;
    bool Add = false;
    bool Append = false;
};
OrderingListUpdate UpdateOrderingList(const std::vector<std::string>& items, int current, std::string_view typed);

// The text with `c` inserted at `caret`; not done when the text already holds
// `limit` characters.
struct CaretInsert {
    bool Done = false;
    std::string Text;
    std::size_t Caret = 0;  // after the inserted character
};
CaretInsert InsertAtCaret(std::string_view text, std::size_t caret, char c, std::size_t limit);

// ---- Letter mapping --------------------------------------------------------------
// A mapping is one code per tile of the active language in tile order: the
// letters A to Z, or for Spanish '@' + tile number.

// The command for a mapping: " /M\"...\" ". Spanish writes each tile's text,
// the single C, L and R followed by a blank ("C ") so that they cannot join
// the next letter, and "?" for a code outside the alphabet.
std::string MappingCommand(std::string_view mapping);

// The text a cell shows for a code: the letter (a blank stays a blank), or
// the Spanish tile's text ("?" outside the alphabet).
std::string MappingEntryText(unsigned char code);

// The code `step` (+1 or -1) places on in the alphabet, wrapping; a code
// outside the alphabet counts as lying just before the first tile.
unsigned char StepMappingCode(unsigned char code, int step);

// The mapping that starts at tile `startTile` and moves by `step` (+1 in
// alphabetical order, -1 in reverse), wrapping.
std::string SteppedMapping(int startTile, int step);

// A key in the mapping row with the cell of `column` selected: the mapping
// and the selected column after it, or what the key asks of the dialog.
enum class MappingKeyEffect { Unused, Used, Confirm, Close };
struct MappingKey {
    MappingKeyEffect Effect = MappingKeyEffect::Unused;
    int Column = 0;
};
MappingKey MappingGridKey(std::string& mapping, int column, KeyStroke stroke, Language language);

// ---- Printing --------------------------------------------------------------------

// "The workspace has 40 lines." ("1 line.").
std::string LineCountText(std::size_t lines);

// "/PW \"title\" ".
std::string PrintCommand(std::string_view title);

// The caption of the page setup's spacing group and of its field for a
// header or footer mode; empty for neither (the group is hidden then).
struct HeadingSpacingCaptions {
    const char* Group = "";
    const char* Label = "";
};
HeadingSpacingCaptions SpacingCaptionsOf(int mode);

// ---- Board square ----------------------------------------------------------------

// "  8H" or "  H8": the square as the board dialogs show it.
std::string SquareTextOf(const BoardSquare& square);

// The square command OK appends in a scoring mode: "/@8H." starting at the
// square (mode 4), "/@8H~" including it (mode 5); "" in every other mode.
std::string BoardSquareCommand(const BoardSquare& square, ScoringMode mode);

}  // namespace qora
