#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace qora {

namespace {

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes it; 0 or the system's error number.
    int Close() { return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno; }

private:
    int fd_;
};

std::string Reason(int error) { return std::strerror(error); }

std::string NotRegularReason(mode_t mode) {
    return S_ISDIR(mode) ? "it is a folder, not a file" : "it is not a regular file";
}

// Opens a regular file for reading: its descriptor, or -1 with the reason.
// O_NONBLOCK makes the open of a FIFO return at once instead of waiting for
// a writer; it changes nothing for a regular file.
int OpenForReading(const std::string& path, struct stat& info, std::string& error) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0) {
        error = Reason(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = NotRegularReason(info.st_mode);
        return -1;
    }
    return file.Release();
}

// Reads up to `count` bytes into `bytes`, fewer at the end of the file.
bool ReadUpTo(int fd, std::size_t count, std::string& bytes, std::string& error) {
    bytes.resize(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd, bytes.data() + done, count - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = Reason(errno);
            return false;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return true;
}

// Writes every byte, then flushes them to the disk: a full disk may show
// only when the data is flushed. 0 or the system's error number.
int WriteAndFlush(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The line ends (LF, CR LF or CR) that the bytes end with, at most 2.
int LineEndsAtEnd(std::string_view bytes) {
    int count = 0;
    for (; count < 2 && !bytes.empty(); ++count) {
        if (bytes.ends_with("\r\n"))
            bytes.remove_suffix(2);
        else if (bytes.back() == '\n' || bytes.back() == '\r')
            bytes.remove_suffix(1);
        else
            break;
    }
    return count;
}

// A name beside the target that no other writer uses.
std::string TemporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

}  // namespace

bool ReadFileStart(const std::string& path, std::size_t limit, std::string& bytes, std::uint64_t& size,
                   std::string& error) {
    struct stat info {};
    const Descriptor file(OpenForReading(path, info, error));
    if (!file.IsOpen()) return false;
    size = static_cast<std::uint64_t>(info.st_size);
    return ReadUpTo(file.Get(), static_cast<std::size_t>(std::min<std::uint64_t>(limit, size)), bytes, error);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error, std::size_t maxSize) {
    struct stat info {};
    const Descriptor file(OpenForReading(path, info, error));
    if (!file.IsOpen()) return false;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > maxSize) {
        error = "it is larger than " + std::to_string(maxSize) + " bytes";
        return false;
    }
    return ReadUpTo(file.Get(), static_cast<std::size_t>(size), bytes, error);
}

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return NotRegularReason(old.st_mode);
    std::string target = path;
    if (exists) {
        // Through a symbolic link: the file it names is rewritten, in its folder.
        std::error_code failure;
        const std::filesystem::path resolved = std::filesystem::canonical(path, failure);
        if (!failure) target = resolved.string();
    }
    const std::string temporary = TemporaryNameFor(target);
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.IsOpen()) return Reason(errno);
    if (exists) (void)::fchmod(file.Get(), old.st_mode & 07777);
    int failure = WriteAndFlush(file.Get(), bytes);
    const int closeFailure = file.Close();
    if (failure == 0) failure = closeFailure;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure == 0) return {};
    ::unlink(temporary.c_str());
    return Reason(failure);
}

std::string AppendToFile(const std::string& path, std::string_view bytes, AppendStart start) {
    struct stat info {};
    // A FIFO is refused before it is opened: opening one for writing waits.
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return NotRegularReason(info.st_mode);
    const int access = start == AppendStart::AfterOldBytes ? O_WRONLY : O_RDWR;
    Descriptor file(::open(path.c_str(), access | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0) return Reason(errno);
    if (!S_ISREG(info.st_mode)) return NotRegularReason(info.st_mode);
    const off_t oldSize = info.st_size;
    std::string text;
    if (start != AppendStart::AfterOldBytes && oldSize > 0) {
        char tail[4] = {};
        const off_t tailStart = std::max<off_t>(0, oldSize - static_cast<off_t>(sizeof tail));
        const ssize_t got = ::pread(file.Get(), tail, sizeof tail, tailStart);
        if (got < 0) return Reason(errno);
        const int wanted = start == AppendStart::AfterEmptyLine ? 2 : 1;
        const int missing = wanted - LineEndsAtEnd({tail, static_cast<std::size_t>(got)});
        text.assign(static_cast<std::size_t>(std::max(missing, 0)), '\n');
    }
    text += bytes;
    int failure = WriteAndFlush(file.Get(), text);
    if (failure != 0) {
        (void)::ftruncate(file.Get(), oldSize);
        return Reason(failure);
    }
    failure = file.Close();
    return failure == 0 ? std::string() : Reason(failure);
}

}  // namespace qora
