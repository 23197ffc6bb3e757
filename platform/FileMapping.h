// Read-only memory mapping of a whole file.
#pragma once

#include <cstddef>
#include <string>

namespace qora {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;

    // Maps the file read-only. On failure returns false and leaves the reason
    // (the system's message) in `error`. An empty file maps to no bytes.
    bool Open(const std::string& path, std::string& error);
    void Close();

    const unsigned char* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    bool IsOpen() const { return open_; }

private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
    bool open_ = false;
};

}  // namespace qora
