#include "viewer/core/file_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace vorn::viewer {

class RegularFile::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : m_fd(fd), m_data(64 * 1024) {}
    std::string error;

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        ssize_t n;
        do {
            n = ::read(m_fd, m_data.data(), m_data.size());
        } while (n < 0 && errno == EINTR);
        if (n <= 0) {
            if (n < 0) error = std::strerror(errno);
            return traits_type::eof();
        }
        setg(m_data.data(), m_data.data(), m_data.data() + n);
        return traits_type::to_int_type(*gptr());
    }

private:
    int m_fd;
    std::vector<char> m_data;
};

RegularFile::RegularFile(const std::string& path) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. It has no
    // effect on reading a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_error = std::strerror(errno);
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        m_error = std::strerror(errno);
        ::close(fd);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        m_error = S_ISDIR(st.st_mode) ? "it is a folder, not a file" : "it is not a regular file";
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = st.st_size;
    m_buffer = std::make_unique<Buffer>(fd);
}

RegularFile::~RegularFile() {
    m_buffer.reset();
    if (m_fd >= 0) ::close(m_fd);
}

std::streambuf& RegularFile::buffer() { return *m_buffer; }

const std::string& RegularFile::readError() const {
    static const std::string none;
    return m_buffer ? m_buffer->error : none;
}

ListingRead readListingFile(const std::string& path) {
    ListingRead result;
    RegularFile file(path);
    if (!file.isOpen()) {
        result.error = "The listing " + path + " cannot be shown: " + file.error();
        return result;
    }
    const std::string tooLarge = "The listing " + path + " cannot be shown: it is larger than the " +
                                 std::to_string(kMaxListingBytes / (1024 * 1024)) +
                                 " MB the viewer shows";
    if (file.size() > kMaxListingBytes) {
        result.error = tooLarge;
        return result;
    }
    std::streambuf& in = file.buffer();
    std::string& text = result.text;
    text.reserve(static_cast<size_t>(file.size()));
    int lineLength = 0, line = 1;
    for (int c = in.sbumpc(); c != std::streambuf::traits_type::eof(); c = in.sbumpc()) {
        // The file may have grown since it was opened.
        if (static_cast<std::int64_t>(text.size()) == kMaxListingBytes) {
            result.error = tooLarge;
            return result;
        }
        text.push_back(static_cast<char>(c));
        if (c == '\n') {
            lineLength = 0;
            ++line;
        } else if (c != '\r' && ++lineLength > kMaxListingLineLength) {
            result.error = "The listing " + path + " cannot be shown: line " + std::to_string(line) +
                           " is longer than the " + std::to_string(kMaxListingLineLength) +
                           " characters the viewer shows";
            return result;
        }
    }
    if (!file.readError().empty()) {
        result.error = "The listing " + path + " cannot be read: " + file.readError();
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace vorn::viewer
