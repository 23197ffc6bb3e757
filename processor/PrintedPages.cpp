#include "processor/PrintedPages.h"

#include <algorithm>

#include "processor/Console.h"

namespace qora {

namespace {

bool IsSeparatorLine(std::string_view line) {
    return !line.empty() && line.find_first_not_of('-') == std::string_view::npos;
}

bool IsUnprintedCommandLine(std::string_view line) {
    const std::string_view prompt(PromptText);
    if (!line.starts_with(prompt)) return false;
    const std::string_view command = line.substr(prompt.size());
    return command.empty() || command.front() == ' ';
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// How many characters from the start of `text`, which is wider than
// `width` and has two characters at least, fit in it: one at least, and
// fewer than all.
std::size_t CharactersThatFit(std::string_view text, int width, const TextWidth& textWidth) {
    std::size_t fitting = 1;
    std::size_t tooMany = text.size();
    while (tooMany - fitting > 1) {
        const std::size_t middle = fitting + (tooMany - fitting) / 2;
        (textWidth(text.substr(0, middle)) <= width ? fitting : tooMany) = middle;
    }
    return fitting;
}

// Where a row of `text` ends when `fitting` characters fit: after the last
// word that fits, or at `fitting` when there is none (a word wider than the
// row, or the line's indentation alone).
std::size_t RowEnd(std::string_view text, std::size_t fitting) {
    if (text[fitting] == ' ') return fitting;
    const std::size_t blank = text.substr(0, fitting).find_last_of(' ');
    const std::size_t firstWord = text.find_first_not_of(' ');
    return blank != std::string_view::npos && blank > firstWord ? blank : fitting;
}

}  // namespace

std::vector<std::string> WrappedRows(std::string_view line, int width, const TextWidth& textWidth) {
    std::vector<std::string> rows;
    std::string_view rest = WithoutTrailingBlanks(line);
    while (rest.size() > 1 && textWidth(rest) > width) {
        const std::size_t end = RowEnd(rest, CharactersThatFit(rest, width, textWidth));
        rows.emplace_back(WithoutTrailingBlanks(rest.substr(0, end)));
        rest = WithoutLeadingBlanks(rest.substr(end));
    }
    rows.emplace_back(rest);
    return rows;
}

std::vector<PrintedPage> WorkspacePages(const std::vector<std::string>& lines, int rowsPerPage, int width,
                                        const TextWidth& textWidth) {
    rowsPerPage = std::max(rowsPerPage, 1);
    std::vector<PrintedPage> pages;
    PrintedPage page;
    const auto endPage = [&] {
        if (!page.empty()) pages.push_back(std::move(page));
        page.clear();
    };
    const std::size_t printable = lines.empty() ? 0 : lines.size() - 1;
    for (std::size_t i = 0; i < printable; ++i) {
        const std::string& line = lines[i];
        if (IsSeparatorLine(line)) {
            endPage();
            continue;
        }
        if (IsUnprintedCommandLine(line)) continue;
        for (std::string& row : WrappedRows(line, width, textWidth)) {
            page.push_back(std::move(row));
            if (static_cast<int>(page.size()) == rowsPerPage) endPage();
        }
    }
    endPage();
    if (pages.empty()) pages.emplace_back();
    return pages;
}

std::string PageHeading(std::string_view title, int page, int pageCount) {
    return std::string(title) + " -- Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

PageLayout LayOutPage(const PageSettings& settings, int pageWidth, int pageHeight, int lineHeight) {
    PageLayout layout;
    layout.Left = settings.LeftMargin;
    layout.RowWidth = std::max(1, pageWidth - 2 * settings.LeftMargin);
    layout.LinePitch = lineHeight + settings.InterlineSpacing;
    layout.FirstLineTop = settings.TopMargin;
    int textBottom = pageHeight - settings.BottomMargin;  // no line reaches below it
    switch (settings.HeaderFooterMode) {
        case PageHeader:
            layout.HeadingTop = settings.TopMargin;
            layout.FirstLineTop = settings.TopMargin + lineHeight + settings.HeaderFooterSpacing;
            break;
        case PageFooter:
            layout.HeadingTop = textBottom - lineHeight;
            textBottom = layout.HeadingTop - settings.HeaderFooterSpacing;
            break;
        default: break;
    }
    if (layout.LinePitch > 0)
        layout.LinesPerPage =
            std::max(1, (textBottom - layout.FirstLineTop + settings.InterlineSpacing) / layout.LinePitch);
    return layout;
}

}  // namespace qora
