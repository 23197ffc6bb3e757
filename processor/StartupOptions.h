// The program's command-line options:
//   -i FILE   the initialization file to read instead of "qora.ini"
//   -f SIZE   the workspace font size
//   -x FILE   a command file to run once the program has started
// Each may also be written glued to its value ("-iother.ini"). Anything else
// is ignored with a warning.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qora {

struct StartupOptions {
    std::string IniFileName;  // empty: "qora.ini" when there is one
    std::optional<int> WorkspaceFontSize;
    std::string CommandFileName;        // empty: none
    std::vector<std::string> Warnings;  // one line per ignored argument
};

// Reads argv[1..argc-1]; argv[0] is the program.
StartupOptions ParseStartupOptions(int argc, const char* const* argv);

}  // namespace qora
