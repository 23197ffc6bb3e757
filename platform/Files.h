// Reading and writing files so that bad input or a full disk loses nothing.
//
// Only regular files are read: a folder or a FIFO given where a file belongs
// is refused when it is opened, before anything blocks or a size read from it
// is trusted. A file written whole goes to a temporary file beside it, which
// is flushed to the disk and renamed over the old file only when it is
// complete: a failed write (a full disk) leaves the old file as it was, and a
// program that has the old file open keeps reading it.
// The rename never overrides a protection the write itself would meet, and
// never turns a symbolic link into a file. An append that fails cuts the file
// back to its old length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace qora {

// Reads at most `limit` bytes from the start of the regular file at `path`
// (all of a smaller file) and its size. False with the reason in `error`:
// the system's text, "it is a folder, not a file" or "it is not a regular
// file".
bool ReadFileStart(const std::string& path, std::size_t limit, std::string& bytes, std::uint64_t& size,
                   std::string& error);

// Reads the whole regular file at `path`; a file larger than `maxSize` is
// refused with "it is larger than N bytes".
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error,
                   std::size_t maxSize = std::numeric_limits<std::size_t>::max());

// Writes `bytes` as the new content of the file at `path`, made when missing;
// the old file keeps its permissions. A symbolic link stays a link: the file
// it names is written, in that file's folder, also when it is missing (a
// chain of links is followed; a loop is refused with the system's "Too many
// levels of symbolic links"). Returns "" or the reason why not: a folder or
// another file that is not a regular one is never replaced, nor a file the
// user may not write or that no one may write ("Permission denied").
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

// Where an append begins: right after the file's old bytes; (a file of
// lines) after the line end the old bytes end with; or (a file of records
// that each end with an empty line) after the line end and the empty line
// that the old bytes end with. What the old bytes lack is written first (an
// edited file may have lost it, and the first new line would otherwise join
// the last old one).
enum class AppendStart { AfterOldBytes, AfterLineEnd, AfterEmptyLine };

// Appends `bytes` to the regular file at `path`, made when missing. Returns
// "" or the reason why not; a failed append leaves the file as it was.
std::string AppendToFile(const std::string& path, std::string_view bytes,
                         AppendStart start = AppendStart::AfterOldBytes);

}  // namespace qora
