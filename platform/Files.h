// Reading and writing files so that bad input or a full disk loses nothing.
//
// Only regular files are read: a folder or a FIFO given where a file belongs
// is refused when it is opened, before anything blocks or a size read from it
// is trusted.
//
// A file written whole is replaced as careful editors replace one: through
// a temporary file beside it, flushed to the disk and renamed over the old
// file only when complete, where that keeps what the file was; otherwise it
// is written in place, after a copy of its old content is made.
// - Renamed: a failed write (a full disk) leaves the old file as it was, and
//   a program that has the old file open keeps reading it. The rename is
//   made only where the new file is all the old one was: the old file has
//   one name (no other hard link), no extended attributes (an access list),
//   and its owner and group can be given to the new file; the folder takes
//   the new file and lets the old one be renamed over (a sticky folder does
//   not for another user's file), and its file system can exchange two
//   names in one step.
// - In place: the other names, the owner and group, the attributes and the
//   place in a folder the user may not write all stay. The old content is
//   first copied to "qora-PID-N.bak" beside the file, or in the temporary
//   folder when its folder takes no new file; a write that cannot make the
//   copy is refused and changes nothing. When the write fails (a full disk)
//   the old content is copied back; the copy is removed after the write or
//   after the old content is back, and is kept, named in the reason, only
//   when both failed.
// - No window: the existing file is opened for writing before anything is
//   written, so the system itself says whether the user may write it, and
//   the write keeps that very file. In place, it is written through that
//   descriptor. Renamed, the new file is exchanged with the name in one
//   step, and the exchange is undone when the file it took the name from is
//   not the one that was checked (another file was moved under the name
//   meanwhile); a new file takes only a name that is still free. A write
//   that found its file changed so starts again from the start, so a file
//   moved under the name is refused or written by the same rules.
// A symbolic link never becomes a file. An append that fails cuts the file
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
// the old file keeps its permissions, owner, group and other names. A
// symbolic link stays a link: the file it names is written, in that file's
// folder, also when it is missing (a chain of links is followed; a loop is
// refused with the system's "Too many levels of symbolic links"). Returns ""
// or the reason why not: a folder or another file that is not a regular one
// is never replaced, nor a file the user may not write or that no one may
// write ("Permission denied").
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

// The reason why WriteWholeFile would refuse to replace the file at `path`
// as it is now, or "": a caller that keeps a copy of the old file before it
// is replaced makes none for a write that will be refused.
std::string WholeFileWriteRefusal(const std::string& path);

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
