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

}  // namespace

std::vector<PrintedPage> WorkspacePages(const std::vector<std::string>& lines, int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
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
        page.push_back(line);
        if (static_cast<int>(page.size()) == linesPerPage) endPage();
    }
    endPage();
    if (pages.empty()) pages.emplace_back();
    return pages;
}

std::string PageHeading(std::string_view title, int page, int pageCount) {
    return std::string(title) + " -- Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

PageLayout LayOutPage(const PageSettings& settings, int pageHeight, int lineHeight) {
    PageLayout layout;
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
