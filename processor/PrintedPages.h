// Printing the workspace, without the printer: which lines are printed, how
// they fall into pages, where the lines and the page heading stand, and the
// heading's text. Measures are printer pixels.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "processor/PageSettings.h"

namespace qora {

using PrintedPage = std::vector<std::string>;

// The printed lines of the workspace, page by page, at most `linesPerPage`
// to a page. Left out are the last line (the command line that prints) and
// command lines whose command is empty or begins with a blank; a line of
// minus signs is not printed but ends its page. No page is empty, except the
// one page of a workspace with nothing to print.
std::vector<PrintedPage> WorkspacePages(const std::vector<std::string>& lines, int linesPerPage);

// "title -- Page 2 of 5".
std::string PageHeading(std::string_view title, int page, int pageCount);

// Where a page's lines and heading stand on a page `pageHeight` high, with
// lines `lineHeight` high, as the page settings ask.
struct PageLayout {
    int FirstLineTop = 0;
    int LinePitch = 0;     // from the top of one line to the top of the next
    int LinesPerPage = 1;  // at least one, however small the page
    int HeadingTop = -1;   // -1: neither header nor footer
};
PageLayout LayOutPage(const PageSettings& settings, int pageHeight, int lineHeight);

}  // namespace qora
