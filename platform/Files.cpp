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

// The most symbolic links followed from one name, as the system itself
// follows: more make a loop.
constexpr int MaxLinksFollowed = 40;

// The file that `path` names once the symbolic links at its end are
// followed: each link is read (a relative one against its own folder), also
// when what it names is missing, so that a new file is made where the link
// points. 0 with the file's status in `info`, ENOENT for a new file, or the
// error number when the links make a loop or a name cannot be looked at.
int FollowLinks(const std::string& path, std::string& target, struct stat& info) {
    target = path;
    for (int followed = 0;; ++followed) {
        if (::lstat(target.c_str(), &info) != 0) return errno;
        if (!S_ISLNK(info.st_mode)) return 0;
        if (followed == MaxLinksFollowed) return ELOOP;
        std::error_code failure;
        std::filesystem::path named = std::filesystem::read_symlink(target, failure);
        if (failure) return failure.value();
        if (named.is_relative()) named = std::filesystem::path(target).parent_path() / named;
        target = named.string();
    }
}

// Whether the user may replace the existing file: the system lets them write
// it, and some write permission is set on it. A file that no one may write
// was protected on purpose and is refused even to the superuser, for whom
// the system allows every write. "" or the reason why not.
std::string ReplaceRefusal(const std::string& target, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Reason(EACCES);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return Reason(errno);
    return {};
}

// Makes a new file in the target's folder under a short name that no other
// writer uses, whatever the length of the target's name (which may already
// be as long as a name can be): its descriptor, or -1 with errno set.
int MakeTemporaryBeside(const std::string& target, std::string& temporary) {
    static std::atomic<unsigned> counter{0};  // no-reset: names must stay unique for the whole run
    const std::string folder = target.substr(0, target.find_last_of('/') + 1);
    for (int tries = 0; tries < 100; ++tries) {
        temporary = folder + ".qora-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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
    std::string target;
    struct stat old {};
    const int lookup = FollowLinks(path, target, old);
    if (lookup != 0 && lookup != ENOENT) return Reason(lookup);
    const bool exists = lookup == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode)) return NotRegularReason(old.st_mode);
        if (std::string refusal = ReplaceRefusal(target, old); !refusal.empty()) return refusal;
    }
    std::string temporary;
    Descriptor file(MakeTemporaryBeside(target, temporary));
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
