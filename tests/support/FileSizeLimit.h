// A full disk for the length of a scope: no file of this process (or of the
// programs it starts) can grow beyond `bytes`, and a write that would fails
// as it does on a full disk (with EFBIG, "File too large"). The signal that
// such a write raises is ignored meanwhile.
//
//   { FileSizeLimit full(10); EXPECT_NE(WriteWholeFile("a.txt", "0123456789AB"), ""); }
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace qora {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace qora
