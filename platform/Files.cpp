#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

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
    void Reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
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

// Writes every byte at the file's offset: 0 or the system's error number.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes every byte, then flushes them to the disk: a full disk may show
// only when the data is flushed. 0 or the system's error number.
int WriteAndFlush(int fd, std::string_view bytes) {
    if (const int failure = WriteAll(fd, bytes); failure != 0) return failure;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Cuts the file at `size` and flushes it: 0 or the system's error number.
int CutAndFlush(int fd, off_t size) { return ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0 ? 0 : errno; }

// Writes the bytes over a file's content from its start, the file ending
// where they end: 0 or the system's error number. Bytes that fit in the old
// content's place need no room from the disk.
int WriteOver(int fd, std::string_view bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
    if (const int failure = WriteAll(fd, bytes); failure != 0) return failure;
    return CutAndFlush(fd, static_cast<off_t>(bytes.size()));
}

// Copies the whole content of `from` over `to`, as WriteOver does, a piece
// at a time: a file of any size is copied in little memory.
int CopyOver(int from, int to) {
    if (::lseek(to, 0, SEEK_SET) != 0) return errno;
    std::vector<char> piece(std::size_t{1} << 16);
    off_t copied = 0;
    for (;;) {
        const ssize_t got = ::pread(from, piece.data(), piece.size(), copied);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) break;
        if (const int failure = WriteAll(to, {piece.data(), static_cast<std::size_t>(got)}); failure != 0)
            return failure;
        copied += got;
    }
    return CutAndFlush(to, copied);
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

// No write permission is set on a file that was protected on purpose: it is
// refused even to the superuser, for whom the system allows every write.
bool NoOneMayWrite(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// The folder part of a path, with its last '/'; "" for a name alone.
std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('/') + 1); }

// Makes a new file in `folder` under a short name that no other writer uses,
// whatever the length of the name it stands for (which may already be as
// long as a name can be): its descriptor, or -1 with errno set.
int MakeFileOfOurOwn(const std::string& folder, const char* prefix, const char* suffix, mode_t mode,
                     std::string& made) {
    static std::atomic<unsigned> counter{0};  // no-reset: names must stay unique for the whole run
    for (int tries = 0; tries < 100; ++tries) {
        made = folder + prefix + std::to_string(::getpid()) + "-" + std::to_string(++counter) + suffix;
        const int fd = ::open(made.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Whether the name `path` still stands for the file `info` describes.
bool StillNames(const std::string& path, const struct stat& info) {
    struct stat now {};
    return ::lstat(path.c_str(), &now) == 0 && now.st_dev == info.st_dev && now.st_ino == info.st_ino;
}

// Whether the file has extended attributes that a new file would not get:
// an access list, capabilities, a user's attributes. Its security label is
// one that every new file in the folder gets.
bool HasExtendedAttributes(int fd) {
    const ssize_t size = ::flistxattr(fd, nullptr, 0);
    if (size <= 0) return false;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::flistxattr(fd, names.data(), names.size());
    if (got < 0) return true;  // grew meanwhile
    // Each name ends with a NUL.
    for (std::string_view rest(names.data(), static_cast<std::size_t>(got)); !rest.empty();) {
        const std::string_view name = rest.substr(0, rest.find('\0'));
        if (name != "security.selinux") return true;
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
    }
    return false;
}

// A whole-file write that found the file changed under it (replaced,
// removed or made while it was written) gives no answer, and is made again
// from the start; otherwise "" or the reason why not.
using Attempt = std::optional<std::string>;

// The most times a write starts again because its file changed under it.
constexpr int MaxWriteAttempts = 3;

// The file a whole-file write is for, as found when the write began.
struct WriteTarget {
    std::string path;  // with the symbolic links at its end followed
    bool exists = false;
    struct stat info {};  // of the file open in `file`
    Descriptor file{-1};  // open for writing, and for reading where allowed
    bool readable = false;
};

// Follows the links at the end of `path` and opens the existing file for
// writing: the open asks the system whether the user may write it, and the
// descriptor then holds the very file that was asked about, whatever is
// later moved under its name. A missing file is no refusal.
Attempt FindTarget(const std::string& path, WriteTarget& target) {
    const int lookup = FollowLinks(path, target.path, target.info);
    if (lookup == ENOENT) return std::string();
    if (lookup != 0) return Reason(lookup);
    if (!S_ISREG(target.info.st_mode)) return NotRegularReason(target.info.st_mode);
    if (NoOneMayWrite(target.info.st_mode)) return Reason(EACCES);
    // O_NOFOLLOW and O_NONBLOCK: a link or a FIFO moved under the name since
    // it was looked at is neither followed nor waited for.
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(target.path.c_str(), O_RDWR | flags);
    target.readable = fd >= 0;
    if (fd < 0 && errno == EACCES) fd = ::open(target.path.c_str(), O_WRONLY | flags);
    if (fd < 0) return errno == ENOENT || errno == ELOOP ? Attempt() : Reason(errno);
    target.file.Reset(fd);
    if (::fstat(fd, &target.info) != 0) return Reason(errno);
    if (!S_ISREG(target.info.st_mode)) return Attempt();
    if (NoOneMayWrite(target.info.st_mode)) return Reason(EACCES);
    target.exists = true;
    return std::string();
}

// Gives a new file the owner, group and permissions of the old one: false
// when the system does not let the user give it the owner or the group.
bool TakeOwnerAndMode(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    (void)::fchmod(fd, old.st_mode & 07777);  // after fchown, which clears the set-id bits
    return true;
}

// How a replacement through a temporary file ended.
enum class Replacement { Made, Failed, Raced, CannotBeMade };

// Writes the bytes to a temporary file beside the target and renames it to
// the target's name in one step that checks what the name stands for: a new
// file takes a name that is still free; an existing file is exchanged with
// the temporary file, which then holds the old file, and the exchange is
// undone when the old file is not the one that was checked (another file
// was moved under the name meanwhile). Never replaces a file the write has
// not checked. CannotBeMade when the new file could not keep what the old
// one was (its owner or group), when the folder takes no new file, or the
// folder or its file system allow no such rename.
Replacement ReplaceThroughTemporary(const WriteTarget& target, std::string_view bytes, std::string& reason) {
    // A new file is made as the system makes any; one that replaces a file
    // is readable by its owner alone until it has the old file's mode.
    std::string temporary;
    Descriptor file(MakeFileOfOurOwn(FolderOf(target.path), ".qora-", ".tmp", target.exists ? 0600 : 0666, temporary));
    if (!file.IsOpen()) {
        if (errno == EACCES || errno == EPERM) return Replacement::CannotBeMade;
        reason = Reason(errno);
        return Replacement::Failed;
    }
    Replacement outcome = Replacement::Made;
    int failure = 0;
    if (target.exists && !TakeOwnerAndMode(file.Get(), target.info))
        outcome = Replacement::CannotBeMade;
    else if ((failure = WriteAndFlush(file.Get(), bytes)) != 0 || (failure = file.Close()) != 0)
        outcome = Replacement::Failed;
    else if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.path.c_str(),
                         target.exists ? RENAME_EXCHANGE : RENAME_NOREPLACE) != 0) {
        failure = errno;
        outcome = failure == EINVAL || failure == ENOSYS || failure == EPERM || failure == EACCES
                      ? Replacement::CannotBeMade
                  : failure == EEXIST || failure == ENOENT ? Replacement::Raced
                                                           : Replacement::Failed;
    } else if (target.exists && !StillNames(temporary, target.info)) {
        (void)::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.path.c_str(), RENAME_EXCHANGE);
        outcome = Replacement::Raced;
    }
    // The temporary name holds the new file when it was not renamed, the old
    // file when it was exchanged, and nothing when it was renamed.
    if (outcome != Replacement::Made || target.exists) ::unlink(temporary.c_str());
    if (outcome == Replacement::Failed) reason = Reason(failure);
    return outcome;
}

// Makes a copy of the old content of the target beside it, or in the
// temporary folder when its folder takes no new file: its descriptor, or -1
// with the reason in `refusal`.
int MakeBackup(const WriteTarget& target, std::string& backup, std::string& refusal) {
    if (!target.readable) {
        refusal = "cannot read the old file to keep a copy of it: " + Reason(EACCES);
        return -1;
    }
    Descriptor copy(MakeFileOfOurOwn(FolderOf(target.path), "qora-", ".bak", 0600, backup));
    if (!copy.IsOpen() && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        std::error_code failure;
        const std::filesystem::path folder = std::filesystem::temp_directory_path(failure);
        copy.Reset(MakeFileOfOurOwn(failure ? "/tmp/" : folder.string() + "/", "qora-", ".bak", 0600, backup));
    }
    int failure = copy.IsOpen() ? CopyOver(target.file.Get(), copy.Get()) : errno;
    if (failure == 0) return copy.Release();
    if (copy.IsOpen()) ::unlink(backup.c_str());
    refusal = "cannot keep a copy of the old file in " + FolderOf(backup) + ": " + Reason(failure);
    return -1;
}

// Writes the bytes over the existing file itself, which so keeps its other
// names, its owner and group and all else it is, after a copy of its old
// content is made. When the write fails the old content is copied back; the
// copy is removed unless that fails too, and then the reason names it.
std::string WriteInPlace(const WriteTarget& target, std::string_view bytes) {
    std::string backupPath;
    std::string refusal;
    const Descriptor backup(MakeBackup(target, backupPath, refusal));
    if (!backup.IsOpen()) return refusal;
    const int failure = WriteOver(target.file.Get(), bytes);
    if (failure != 0 && CopyOver(backup.Get(), target.file.Get()) != 0)
        return Reason(failure) + "; the old file is kept in " + backupPath;
    ::unlink(backupPath.c_str());
    return failure == 0 ? std::string() : Reason(failure);
}

// Makes the missing target under its own name, where no rename can put a
// new file there without the risk of replacing one: a failed write removes
// it again.
Attempt MakeInPlace(const std::string& path, std::string_view bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    struct stat made {};
    if (!file.IsOpen() || ::fstat(file.Get(), &made) != 0) return errno == EEXIST ? Attempt() : Reason(errno);
    int failure = WriteAndFlush(file.Get(), bytes);
    if (const int closeFailure = file.Close(); failure == 0) failure = closeFailure;
    if (failure == 0) return std::string();
    if (StillNames(path, made)) ::unlink(path.c_str());
    return Reason(failure);
}

// One attempt at a whole-file write.
Attempt WriteOnce(const std::string& path, std::string_view bytes) {
    WriteTarget target;
    if (Attempt refusal = FindTarget(path, target); !refusal || !refusal->empty()) return refusal;
    // A rename would take a file's other names (hard links) and its extended
    // attributes away from it.
    const bool renameKeepsIt =
        !target.exists || (target.info.st_nlink == 1 && !HasExtendedAttributes(target.file.Get()));
    if (renameKeepsIt) {
        std::string reason;
        switch (ReplaceThroughTemporary(target, bytes, reason)) {
            case Replacement::Made: return std::string();
            case Replacement::Failed: return reason;
            case Replacement::Raced: return Attempt();
            case Replacement::CannotBeMade: break;
        }
    }
    return target.exists ? WriteInPlace(target, bytes) : MakeInPlace(target.path, bytes);
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

std::string WholeFileWriteRefusal(const std::string& path) {
    WriteTarget target;
    return FindTarget(path, target).value_or(std::string());
}

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
    for (int attempt = 0; attempt < MaxWriteAttempts; ++attempt)
        if (Attempt written = WriteOnce(path, bytes)) return *written;
    return "other programs kept replacing it while it was written";
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
