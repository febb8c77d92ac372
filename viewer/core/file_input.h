#pragma once
// Opening the files the viewer reads. Only a regular file is read, and opening never waits:
// a FIFO without a writer would hold File/Open for as long as nobody writes to it, and a
// device (or a link to one) may never end.

#include <cstdint>
#include <memory>
#include <streambuf>
#include <string>

namespace vorn::viewer {

class RegularFile {
public:
    // Opens path for reading; when that fails, error() holds the reason.
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    const std::string& error() const { return m_error; }
    std::int64_t size() const { return m_size; }  // bytes, when opened
    // Reads the file from its start; a failing read ends it, with readError() saying why.
    std::streambuf& buffer();
    const std::string& readError() const;

private:
    class Buffer;
    int m_fd = -1;
    std::int64_t m_size = 0;
    std::string m_error;
    std::unique_ptr<Buffer> m_buffer;
};

// What a listing view can take: 16 MB, in lines of at most 10000 characters (the solver's
// listing lines are below 250). The window would stall for seconds on more.
inline constexpr std::int64_t kMaxListingBytes = 16 * 1024 * 1024;
inline constexpr int kMaxListingLineLength = 10000;

struct ListingRead {
    bool ok = false;
    std::string text;   // the bytes of the file as written
    std::string error;  // why it is not shown, when !ok
};

ListingRead readListingFile(const std::string& path);

}  // namespace vorn::viewer
