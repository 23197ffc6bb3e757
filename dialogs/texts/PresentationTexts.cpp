#include "dialogs/texts/PresentationTexts.h"

#include <algorithm>

#include "engine/Listings.h"

namespace qora {

std::string WordCountText(std::int32_t kind, std::int32_t count) {
    return FormatText("%d%c", count, kind == PresentationCountQuestion ? '~' : '\'');
}

// ---- Layout ----------------------------------------------------------------------

LayoutChoice LayoutChoiceOf(std::int32_t layout, std::int32_t parameter, LayoutChoice current) {
    const int value = std::clamp<std::int32_t>(parameter, LayoutParameterMin, LayoutParameterMax);
    LayoutChoice choice = current;
    choice.UseComma = layout == LayoutPackedRowsCommas;
    if (layout == LayoutOnePerLine) {
        choice.Orientation = OnePerLineItem;
    } else if (layout == LayoutPackedRows || layout == LayoutPackedRowsCommas) {
        choice.Orientation = PackedRowsItem;
        choice.Spacing = ExpandableItem;
        choice.PackedSpacing = value;
    } else if (layout >= LayoutColumnatedRowsMinimal && layout <= LayoutColumnsExpandable) {
        const int offset = layout - LayoutColumnatedRowsMinimal;
        choice.Orientation = offset < 3 ? ColumnatedRowsItem : ColumnsItem;
        choice.Spacing = offset % 3;
        int* spin[] = {&choice.MinimalSpacing, &choice.FixedWidth, &choice.ExpandableWidth};
        *spin[choice.Spacing] = value;
    }
    return choice;
}

bool SpacingShown(int orientation) { return orientation == ColumnatedRowsItem || orientation == ColumnsItem; }

std::string LayoutCommand(const LayoutChoice& choice) {
    switch (choice.Orientation) {
        case PackedRowsItem: return FormatText("/OR%s%dS", choice.UseComma ? "," : "", choice.PackedSpacing);
        case ColumnatedRowsItem:
        case ColumnsItem: {
            const char* rows = choice.Orientation == ColumnatedRowsItem ? "R" : "";
            if (choice.Spacing == MinimalItem) return FormatText("/O%sC%dS", rows, choice.MinimalSpacing);
            if (choice.Spacing == FixedWidthItem) return FormatText("/O%sC%dW", rows, choice.FixedWidth);
            return FormatText("/O%sC%dX", rows, choice.ExpandableWidth);
        }
        default: return "/O1";
    }
}

// ---- Maximum width ---------------------------------------------------------------

MaxWidthChoice MaxWidthChoiceOf(const Settings& settings, MaxWidthChoice current) {
    MaxWidthChoice choice = current;
    if (settings.CharactersSwitch != 0) {
        choice.Kind = settings.WorkspaceWidthSwitch != 0 ? WidthKind::Workspace : WidthKind::Characters;
        choice.Characters = std::clamp<std::int32_t>(settings.MaximumWidth, WidthCharactersMin, WidthCharactersMax);
    } else {
        choice.Kind = WidthKind::Columns;
        choice.Columns = std::clamp<std::int32_t>(settings.MaximumWidth, WidthColumnsMin, WidthColumnsMax);
    }
    return choice;
}

int WorkspaceWidthCharacters(std::int32_t workspaceColumns) {
    return std::clamp<std::int32_t>(workspaceColumns, WidthCharactersMin, WidthCharactersMax);
}

std::string MaxWidthCommand(const MaxWidthChoice& choice) {
    switch (choice.Kind) {
        case WidthKind::Workspace: return "/OWA";
        case WidthKind::Characters: return FormatText("/OW%dC", choice.Characters);
        default: return FormatText("/OC%dC", choice.Columns);
    }
}

// ---- Rows per page -------------------------------------------------------------

RowsChoice RowsChoiceOf(std::int32_t rowsPerPage, RowsChoice current) {
    if (rowsPerPage == 0) return {true, current.Rows};
    return {false, std::clamp<std::int32_t>(rowsPerPage, RowsPerPageMin, RowsPerPageMax)};
}

std::optional<std::string> RowsPerPageCommand(const RowsChoice& choice, std::int32_t rowsPerPage) {
    const int rows = choice.Unlimited ? 0 : choice.Rows;
    if (rows == rowsPerPage) return std::nullopt;
    return FormatText("/OR%dC", rows);
}

// ---- Probes ----------------------------------------------------------------------

ProbeChoice ProbeBoxesOfKind(std::int32_t kind, ProbeChoice current) {
    switch (kind) {
        case PresentationProbeLetter: current.LetterBox = LetterNumberItem, current.WordBox = WordNumberItem; break;
        case PresentationProbeColumn: current.LetterBox = LetterNumberItem, current.WordBox = AllWordsItem; break;
        case PresentationProbeWord: current.LetterBox = EntireWordItem, current.WordBox = WordNumberItem; break;
        default: break;
    }
    return current;
}

int ProbeLetterItem(std::int32_t letterPosition, std::int32_t maxWordLength) {
    if (maxWordLength < 1) return -1;
    return std::clamp<std::int32_t>(letterPosition, 1, maxWordLength) - 1;
}

bool ProbeBoxesChosen(const ProbeChoice& choice) {
    return choice.LetterBox == LetterNumberItem || choice.WordBox == WordNumberItem;
}

bool ProbeComposable(const ProbeChoice& choice) {
    const bool wordNumber = choice.WordNumber.valid && choice.WordNumber.value > 0;
    return wordNumber && (choice.LetterBox != LetterNumberItem || choice.LetterItem >= 0);
}

std::string ProbeCommand(const ProbeChoice& choice) {
    const auto word = static_cast<std::int32_t>(choice.WordNumber.value);
    if (choice.LetterBox != LetterNumberItem) return FormatText(" /%d ", word);
    const int letter = choice.LetterItem + 1;
    if (choice.WordBox == WordNumberItem) return FormatText(" %d/%d ", letter, word);
    return FormatText(" %d/ ", letter);
}

}  // namespace qora
