#include "dialogs/texts/OptionTexts.h"

#include <algorithm>

#include "engine/Board.h"
#include "engine/CanonicalOrder.h"
#include "engine/TileKeys.h"
#include "processor/Console.h"
#include "processor/PageSettings.h"

namespace qora {

namespace {

unsigned char CodeOfTile(int tile) { return static_cast<unsigned char>(TileBase + tile); }

// The tile of a mapping code, 0 for a code outside the alphabet.
int TileOfCode(unsigned char code) {
    return code > TileBase && code <= TileBase + ActiveTileCount() ? code - TileBase : 0;
}

// A Spanish single C, L or R, which a following letter could otherwise join.
bool JoinsNextLetter(int tile) { return tile == SpanishTileC || tile == SpanishTileL || tile == SpanishTileR; }

}  // namespace

// ---- Orderings -------------------------------------------------------------------

std::string RackOrderCommand(std::string_view ordering) { return "/.\"" + std::string(ordering) + "\""; }

std::string CanonOrderCommand(std::string_view ordering) { return "/;\"" + std::string(ordering) + "\""; }

void AppendRackOrderCommand(std::string_view ordering) { AppendToCommandLine(RackOrderCommand(ordering)); }

void AppendCanonOrderCommand(std::string_view ordering) { AppendToCommandLine(CanonOrderCommand(ordering)); }

bool IsCompleteOrdering(std::string_view text, bool randomRack) {
    return CheckOrdering(text, randomRack).Fault == OrderingFault::None;
}

OrderingListUpdate UpdateOrderingList(const std::vector<std::string>& items, int current, std::string_view typed) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] != typed) continue;
        const int found = static_cast<int>(i);
        if (found == current) return {found, false, false};
        return {found, false, true};
    }
    return {static_cast<int>(items.size()), true, true};
}

CaretInsert InsertAtCaret(std::string_view text, std::size_t caret, char c, std::size_t limit) {
    if (text.size() >= limit) return {};
    caret = std::min(caret, text.size());
    std::string inserted(text);
    inserted.insert(caret, 1, c);
    return {true, std::move(inserted), caret + 1};
}

// ---- Letter mapping --------------------------------------------------------------

std::string MappingCommand(std::string_view mapping) {
    std::string command = " /M\"";
    if (!SpanishLexiconActive) {
        command += mapping;
    } else {
        for (const unsigned char code : mapping) {
            command += MappingEntryText(code);
            if (JoinsNextLetter(TileOfCode(code))) command += ' ';
        }
    }
    return command + "\" ";
}

std::string MappingEntryText(unsigned char code) {
    if (!SpanishLexiconActive) return std::string(1, static_cast<char>(code));
    return TileCaption(TileOfCode(code));
}

unsigned char StepMappingCode(unsigned char code, int step) {
    const int count = ActiveTileCount();
    int tile = TileOfCode(code) + step;
    if (tile > count) tile = 1;
    if (tile < 1) tile = count;
    return CodeOfTile(tile);
}

std::string SteppedMapping(int startTile, int step) {
    const int count = ActiveTileCount();
    std::string mapping;
    unsigned char code = CodeOfTile(std::clamp(startTile, 1, count));
    for (int entry = 0; entry < count; ++entry) {
        mapping += static_cast<char>(code);
        code = StepMappingCode(code, step);
    }
    return mapping;
}

MappingKey MappingGridKey(std::string& mapping, int column, KeyStroke stroke, Language language) {
    const int last = static_cast<int>(mapping.size()) - 1;
    if (last < 0) return {};
    column = std::clamp(column, 0, last);
    const int next = column == last ? 0 : column + 1;
    switch (stroke.key) {
        case KeyEnter: return {MappingKeyEffect::Confirm, column};
        case KeyEscape: return {MappingKeyEffect::Close, column};
        case KeyArrowLeft: return {MappingKeyEffect::Used, column == 0 ? last : column - 1};
        case KeyArrowRight: return {MappingKeyEffect::Used, next};
        case KeyArrowUp:
        case KeyArrowDown:
            mapping[column] = static_cast<char>(
                StepMappingCode(static_cast<unsigned char>(mapping[column]), stroke.key == KeyArrowUp ? 1 : -1));
            return {MappingKeyEffect::Used, column};
        default: break;
    }
    if (language != Language::Spanish && stroke.key == KeySpace) {
        mapping[column] = ' ';
        return {MappingKeyEffect::Used, next};
    }
    const TileKey key = FoldTileKey(stroke, language);
    if (key.action != TileKeyAction::Tile) return {MappingKeyEffect::Unused, column};
    mapping[column] = static_cast<char>(CodeOfTile(key.tile));
    return {MappingKeyEffect::Used, next};
}

// ---- Printing --------------------------------------------------------------------

std::string LineCountText(std::size_t lines) {
    return "The workspace has " + std::to_string(lines) + (lines == 1 ? " line." : " lines.");
}

std::string PrintCommand(std::string_view title) { return "/PW \"" + std::string(title) + "\" "; }

HeadingSpacingCaptions SpacingCaptionsOf(int mode) {
    switch (mode) {
        case PageHeader: return {"Header Spacing (in pixels)", "Header/text spacing:"};
        case PageFooter: return {"Footer Spacing (in pixels)", "Text/footer spacing:"};
        default: return {};
    }
}

// ---- Board square ----------------------------------------------------------------

std::string SquareTextOf(const BoardSquare& square) {
    return "  " + BoardSquareName(square.Row, square.Column, square.Horizontal);
}

std::string BoardSquareCommand(const BoardSquare& square, ScoringMode mode) {
    if (mode != ScoringModeStartingAtSquare && mode != ScoringModeIncludingSquare) return {};
    return "/@" + BoardSquareName(square.Row, square.Column, square.Horizontal) +
           (mode == ScoringModeStartingAtSquare ? "." : "~");
}

}  // namespace qora
