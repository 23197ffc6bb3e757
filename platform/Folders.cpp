#include "platform/Folders.h"

#include <cstdlib>

namespace qora {

std::string HomeDirectory;  // no-reset: read from the environment at start-up

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

void InitHomeDirectory() {
    const std::string path = Environment("HOMEPATH");
    HomeDirectory = path.empty() ? Environment("HOME") : Environment("HOMEDRIVE") + path;
}

}  // namespace qora
