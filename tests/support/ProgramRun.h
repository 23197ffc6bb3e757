// Running one of the built programs (qora, qlxbuild) as a user would, from
// the build folder that ctest names in QORA_BINARY_DIR.
#pragma once

#include <string>

namespace qora {

struct ProgramResult {
    int status = -1;     // the exit status; -1 when the program did not end normally
    std::string output;  // standard output and standard error together
};

// Runs `program` of the build folder with the arguments (a shell command
// line) in `folder` ("" for the current folder) and waits for it to end;
// one that does not end within two minutes is stopped (status 124).
ProgramResult RunBuiltProgram(const std::string& program, const std::string& arguments, const std::string& folder = "");

}  // namespace qora
