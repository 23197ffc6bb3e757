// Opening pages with the system's default handler: the local documentation
// pages in the folder "doc" beside the program, and web addresses.
// Whether the page could be opened is not reported.
#pragma once

#include <QUrl>
#include <string_view>

namespace qora {

// The address of a page given by its path relative to the program's folder
// ("doc/qora_user_guide.html"), as a file address.
QUrl LocalPageAddress(std::string_view relativePath);

void OpenLocalPage(std::string_view relativePath);
void OpenAddress(std::string_view address);

}  // namespace qora
