// Printing the workspace, without the printer: which lines are printed, how
// they wrap into rows no wider than the page and fall into pages, where the
// rows and the page heading stand, and the heading's text. Measures are
// printer pixels.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "processor/PageSettings.h"

namespace qora {

using PrintedPage = std::vector<std::string>;

// How wide a text prints in the printing font.
using TextWidth = std::function<int(std::string_view)>;

// The rows that one line prints as, none wider than `width`: the line
// itself when it fits, else broken after the last word that fits (at the
// width itself when a word alone is wider). The blanks at a break and at
// the end of the line print nothing and are left out; every other
// character is printed, in order.
std::vector<std::string> WrappedRows(std::string_view line, int width, const TextWidth& textWidth);

// The printed rows of the workspace, page by page, at most `rowsPerPage` to
// a page, every line wrapped into rows of at most `width`. Left out are the
// last line (the command line that prints) and command lines whose command
// is empty or begins with a blank; a line of minus signs is not printed but
// ends its page. No page is empty, except the one page of a workspace with
// nothing to print.
std::vector<PrintedPage> WorkspacePages(const std::vector<std::string>& lines, int rowsPerPage, int width,
                                        const TextWidth& textWidth);

// "title -- Page 2 of 5".
std::string PageHeading(std::string_view title, int page, int pageCount);

// Where a page's rows and heading stand on a page of `pageWidth` x
// `pageHeight`, with rows `lineHeight` high, as the page settings ask. The
// right margin is as wide as the left one.
struct PageLayout {
    int Left = 0;
    int RowWidth = 1;  // at least one pixel, however narrow the page
    int FirstLineTop = 0;
    int LinePitch = 0;     // from the top of one row to the top of the next
    int LinesPerPage = 1;  // at least one, however small the page
    int HeadingTop = -1;   // -1: neither header nor footer
};
PageLayout LayOutPage(const PageSettings& settings, int pageWidth, int pageHeight, int lineHeight);

}  // namespace qora
