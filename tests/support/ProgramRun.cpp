#include "ProgramRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

namespace qora {

ProgramResult RunBuiltProgram(const std::string& program, const std::string& arguments, const std::string& folder) {
    const char* binaryDir = std::getenv("QORA_BINARY_DIR");
    // A program that hangs ends after two minutes with status 124.
    std::string command =
        "timeout 120 " + std::string(binaryDir ? binaryDir : ".") + "/" + program + " " + arguments + " 2>&1";
    if (!folder.empty()) command = "cd '" + folder + "' && " + command;
    ProgramResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace qora
