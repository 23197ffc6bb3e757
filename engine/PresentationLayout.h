// How presented entries (words with what is shown beside them) are laid out
// into workspace lines: one per line, in packed rows, in columnated rows
// (filled row by row) or in columns (filled column by column, page by page).
// See docs/command-language.md, "Layouts", for what each layout means.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qora {

struct Settings;

// Characters [Start, Start + Length) of a line: letters that a blank matched.
struct MarkRange {
    std::int32_t Start = 0;
    std::int32_t Length = 0;
    bool operator==(const MarkRange&) const = default;
};

// One entry or one laid-out line, with its blank-matched letters.
struct MarkedText {
    std::string Text;
    std::vector<MarkRange> Marks;
};

// Writes `piece` into `line` from column `at` on, with blanks before it
// when the line is shorter.
void AppendAt(MarkedText& line, const MarkedText& piece, int at);

struct LayoutShape {
    std::int32_t Layout = 1;       // OutputLayout 1 to 9
    std::int32_t Parameter = 1;    // spacing, width or minimum width
    std::int32_t Width = 80;       // characters a line may take; 0 when Columns counts instead
    std::int32_t Columns = 0;      // entries per row when the width counts columns
    std::int32_t RowsPerPage = 0;  // columns layouts: rows of a page, 0 one page
    std::string PageSeparator;     // the line written between pages
};

// The layout that the settings ask for, with the workspace's width in
// characters for the workspace-width switch. Numbers out of range are
// brought into range (spacing and widths 1 to 255, widths and columns up to
// 1000).
LayoutShape LayoutOf(const Settings& settings, std::int32_t workspaceColumns, const std::string& pageSeparator);

// The lines of the entries in the layout.
std::vector<MarkedText> LayOutEntries(const std::vector<MarkedText>& entries, const LayoutShape& shape);

}  // namespace qora
