// What the presentation dialogs type onto the command line, and how they set
// their controls from the settings the main window shows: the word count
// ("25~"), the layout ("/ORC12W"), the maximum width ("/OW80C"), the rows per
// page ("/OR55C") and the probes (" 2/3 "). Free of Qt: the dialogs
// (dialogs/WordCountDialog, LayoutDialogs, ProbeSlateDialog) hold their
// controls in these records and call these functions; the main window's
// presentation list types the word count with WordCountText too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/QueryRecords.h"
#include "platform/FieldNumber.h"

namespace qora {

// ---- Word count ----------------------------------------------------------------

// "%d~" for "This # words?:" (kind 3), "%d'" for any other kind ("This #
// words with ...", kind 10); no blank follows.
std::string WordCountText(std::int32_t kind, std::int32_t count);

// ---- Layout ----------------------------------------------------------------------

// The items of the layout dialog's two radio groups.
enum OrientationItem : int { OnePerLineItem = 0, PackedRowsItem = 1, ColumnatedRowsItem = 2, ColumnsItem = 3 };
enum SpacingItem : int { MinimalItem = 0, FixedWidthItem = 1, ExpandableItem = 2 };

// The layout parameter's range, which every spin of the layout dialog has.
constexpr int LayoutParameterMin = 1;
constexpr int LayoutParameterMax = 80;

// The controls of the layout dialog: the two groups' items, the comma box and
// the four spins (packed-rows spacing, minimal spacing, fixed width,
// expandable width), as the form starts them.
struct LayoutChoice {
    int Orientation = OnePerLineItem;
    bool UseComma = false;
    int Spacing = ExpandableItem;
    int PackedSpacing = 1;
    int MinimalSpacing = 1;
    int FixedWidth = 9;
    int ExpandableWidth = 8;
    bool operator==(const LayoutChoice&) const = default;
};

// The controls for a layout and its parameter (clamped to the spins' range);
// the spins that the layout does not name keep their positions. A layout
// outside 1 to 9 changes no item and clears UseComma.
LayoutChoice LayoutChoiceOf(std::int32_t layout, std::int32_t parameter, LayoutChoice current);
// The column spacing group is shown for columnated rows and columns only.
bool SpacingShown(int orientation);
// "/O1", "/OR[,]%dS", "/O[R]C%d" + "S", "W" or "X".
std::string LayoutCommand(const LayoutChoice& choice);

// ---- Maximum width ---------------------------------------------------------------

enum class WidthKind { Workspace, Characters, Columns };
constexpr int WidthCharactersMin = 8;
constexpr int WidthCharactersMax = 255;
constexpr int WidthColumnsMin = 1;
constexpr int WidthColumnsMax = 30;

struct MaxWidthChoice {
    WidthKind Kind = WidthKind::Workspace;
    int Characters = 80;
    int Columns = 8;
    bool operator==(const MaxWidthChoice&) const = default;
};

// The controls for the width settings: a width in characters checks the
// workspace width or the characters, and loads the characters spin; a width
// in columns loads the columns spin. Values are clamped to the spins' range.
MaxWidthChoice MaxWidthChoiceOf(const Settings& settings, MaxWidthChoice current);
// The characters spin's position for "Set to Workspace Width".
int WorkspaceWidthCharacters(std::int32_t workspaceColumns);
// "/OWA", "/OW%dC" or "/OC%dC".
std::string MaxWidthCommand(const MaxWidthChoice& choice);

// ---- Rows per page -------------------------------------------------------------

constexpr int RowsPerPageMin = 8;
constexpr int RowsPerPageMax = 256;

struct RowsChoice {
    bool Unlimited = false;
    int Rows = 55;
    bool operator==(const RowsChoice&) const = default;
};

// The controls for the rows per page: a number checks NumRows and loads the
// spin (clamped to its range); 0 checks Unlimited and leaves the spin.
RowsChoice RowsChoiceOf(std::int32_t rowsPerPage, RowsChoice current);
// "/OR%dC" with the spin, or "/OR0C" for Unlimited; nothing when the choice
// is the rows per page already in force.
std::optional<std::string> RowsPerPageCommand(const RowsChoice& choice, std::int32_t rowsPerPage);

// ---- Probes ----------------------------------------------------------------------

// The items of the probe dialog's groups.
enum LetterBoxItem : int { EntireWordItem = 0, LetterNumberItem = 1 };
enum WordBoxItem : int { AllWordsItem = 0, WordNumberItem = 1 };

struct ProbeChoice {
    int LetterBox = LetterNumberItem;
    int WordBox = WordNumberItem;
    int LetterItem = 0;  // the item of the letter list (letter position - 1); -1 none
    FieldNumber WordNumber{1, true};
};

// The two groups' items for a probe kind (7, 8, 9); another kind keeps them.
ProbeChoice ProbeBoxesOfKind(std::int32_t kind, ProbeChoice current);
// The letter item for a letter position, within the positions 1 to
// `maxWordLength` the list offers; -1 when it offers none.
int ProbeLetterItem(std::int32_t letterPosition, std::int32_t maxWordLength);
// The groups' own rule: "letter number" or "word number" is chosen.
bool ProbeBoxesChosen(const ProbeChoice& choice);
// Whether OK can compose a probe the parser takes: the word number typed is
// a number from 1 up, and a letter probe has a letter chosen.
bool ProbeComposable(const ProbeChoice& choice);
// " /%d " (entire word), " %d/%d " (a letter of one word), " %d/ " (a letter
// of all words).
std::string ProbeCommand(const ProbeChoice& choice);

}  // namespace qora
