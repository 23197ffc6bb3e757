// Folders the program starts file dialogs in.
#pragma once

#include <string>

namespace qora {

// The user's home folder: HOMEDRIVE followed by HOMEPATH where the system sets
// HOMEPATH, else $HOME. It is the starting folder of the file dialogs when no
// other folder is given.
extern std::string HomeDirectory;

void InitHomeDirectory();

}  // namespace qora
