// Opening pages with the system's default handler: the local documentation
// pages in the folder "doc" beside the program, and web addresses. Each
// request says whether the page could be opened, so that the user can be
// told which page did not open and where it is.
#pragma once

#include <QUrl>
#include <functional>
#include <string>
#include <string_view>

namespace qora {

// The address of a page beside the program: "file:///", the program's
// folder (its file's path up to and including the last "\", "/" or ":") and
// the page's relative path, which keeps its forward slashes:
// "C:\Words\qora.exe" gives "file:///C:\Words\doc/qora_user_guide.html".
// A folder that begins with "/" lends that slash to the "file:///".
// Characters that a file address would escape are left as they are.
std::string LocalPageAddress(std::string_view programFile, std::string_view page);

// What came of a request to open a page.
enum class PageOpening {
    Opened,
    NoSuchFile,  // a file address whose file does not exist
    NoHandler,   // nothing on the system opens the address
};

// Hands an address to the system's handler; a file address only when its
// file exists.
PageOpening OpenWithSystem(const QUrl& url);
// What opens addresses: OpenWithSystem, unless a test puts its own in its
// place.
extern std::function<PageOpening(const QUrl& url)> OpenUrl;

// Opens an address with the verb "open" of the system's handler. A file
// address is handed over as the local file it names, so that a folder
// holding blanks, "#" or "%" still reaches the handler whole.
PageOpening OpenAddress(std::string_view address);

// The file of a page beside the running program, as the message telling
// that it did not open names it (code page).
std::string LocalPageFile(std::string_view page);
// Opens a page beside the running program ("doc/qora_user_guide.html").
PageOpening OpenLocalPage(std::string_view page);

}  // namespace qora
