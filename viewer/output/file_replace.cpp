#include "file_replace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace vorn::viewer::output {
namespace {

// A write past the process's file-size limit raises SIGXFSZ, which would end the program
// that hosts the viewer; while this lives the write fails with EFBIG instead.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    m_saved = sigaction(SIGXFSZ, &ignore, &m_previous) == 0;
  }
  ~FileSizeSignalIgnored() {
    if (m_saved) sigaction(SIGXFSZ, &m_previous, nullptr);
  }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction m_previous {};
  bool m_saved = false;
};

std::string failure(const std::string& path, const std::string& reason) {
  return "Cannot write the file " + path + ": " + reason;
}

// The file a path names, through symbolic links; the path itself when it names none yet.
std::string resolved(const std::string& path) {
  char buffer[PATH_MAX];
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(path.c_str(), buffer))
    return buffer;
  return path;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string replaceFile(const std::string& path, std::string_view bytes) {
  const std::string target = resolved(path);
  struct stat st {};
  const bool exists = stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return failure(path, "it is not a regular file");

  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temporary;
  int fd = -1;
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = folder + "." + name + "." + std::to_string(getpid()) + "-" +
                std::to_string(++counter) + ".part";
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return failure(path, std::strerror(errno));

  const FileSizeSignalIgnored sizeLimit;
  // A file written over keeps its permissions.
  bool ok = (!exists || fchmod(fd, st.st_mode & 07777) == 0) && writeAll(fd, bytes) &&
            fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return failure(path, std::strerror(error));
  }
  return {};
}

}  // namespace vorn::viewer::output
