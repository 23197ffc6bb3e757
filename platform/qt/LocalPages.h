// Opening pages with the system's default handler: the local documentation
// pages in the folder "doc" beside the program, and web addresses.
// Whether a page could be opened is not reported.
#pragma once

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

// Opens an address with the verb "open" of the system's handler. A file
// address is handed over as the local file it names, so that a folder
// holding blanks, "#" or "%" still reaches the handler whole.
void OpenAddress(std::string_view address);

// Opens a page beside the running program ("doc/qora_user_guide.html").
void OpenLocalPage(std::string_view page);

}  // namespace qora
