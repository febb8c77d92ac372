// The record units that touch the file system: output files written through a
// buffer, input files read whole, and the case-blind lookup of input names.
// No open may block: a FIFO, a directory or a device is refused, not waited on.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <new>

#include "recordio/recordio.h"

namespace recordio {
namespace {

std::string kindOf(mode_t mode) {
  if (S_ISREG(mode)) return "";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

std::string notRegular(const std::string& name, const std::string& kind) {
  return name + ": not a regular file (" + kind + ")";
}

std::string systemError() { return std::strerror(errno); }

FileIdentity identityFrom(const struct stat& info) {
  return {static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
          static_cast<long long>(info.st_size),
          static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

// Reads what is left of an open file.
std::string readAll(int descriptor, const std::filesystem::path& path) {
  std::string text;
  char chunk[65536];
  while (true) {
    ssize_t n = ::read(descriptor, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw IoError(path.string() + ": cannot read the file (" + systemError() + ")");
    if (n == 0) return text;
    text.append(chunk, static_cast<std::size_t>(n));
  }
}

// Opens `path` with O_NONBLOCK, so that no open waits on a FIFO or a device,
// and keeps the descriptor only when it is a regular file. `failure` says in the
// message what could not be done when the open itself fails.
int openRegular(const std::filesystem::path& path, int flags, const char* failure) {
  const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    throw IoError(path.string() + ": " + failure + " (" + systemError() + ")");
  }
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(descriptor);
    throw IoError(notRegular(path.string(), kindOf(info.st_mode)));
  }
  return descriptor;
}

// Holds SIGINT and SIGTERM back while it lives. A fatal signal may cut a write
// to a regular file short; held back, it ends the run after the write, so a
// stopped run never leaves part of what it was writing out.
class StopSignalsHeld {
 public:
  StopSignalsHeld() {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stops, &previous_);
  }
  ~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  StopSignalsHeld(const StopSignalsHeld&) = delete;
  StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace

std::string nonRegularKind(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return "";
  return kindOf(info.st_mode);
}

FileSink::FileSink(const std::filesystem::path& path) : name_(path.string()) {
  if (std::string kind = nonRegularKind(path); !kind.empty()) {
    throw IoError(notRegular(name_, kind));
  }
  // Should a FIFO appear under the name after the check above, the open fails
  // or returns at once instead of waiting for a reader.
  descriptor_ = openRegular(path, O_WRONLY | O_CREAT | O_TRUNC, "cannot create the file");
  buffer_.reserve(kBufferSize);
}

FileSink::~FileSink() {
  if (descriptor_ < 0) return;
  try {
    writeOut();
  } catch (const IoError&) {
    // The run already ends on a failure; the first one is the one reported.
  }
  ::close(descriptor_);
}

void FileSink::put(std::string_view record) {
  if (descriptor_ < 0) throw IoError(name_ + ": write after close");
  if (buffer_.size() + record.size() + 2 > kBufferSize) writeOut();
  // An empty record may have no data pointer at all.
  if (!record.empty()) buffer_.append(record.data(), record.size());
  buffer_.append("\r\n");
}

void FileSink::flush() {
  if (descriptor_ >= 0) writeOut();
}

void FileSink::close() {
  if (descriptor_ < 0) return;
  writeOut();
  int status = ::close(descriptor_);
  descriptor_ = -1;
  if (status != 0) throw IoError(name_ + ": cannot close (" + systemError() + ")");
}

// What reached the file leaves the buffer, also when a later write fails, so a
// second attempt (the destructor's) does not write it twice.
void FileSink::writeOut() {
  if (buffer_.empty()) return;
  const StopSignalsHeld held;
  std::size_t done = 0;
  while (done < buffer_.size()) {
    ssize_t n = ::write(descriptor_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      const std::string reason = systemError();
      buffer_.erase(0, done);
      throw IoError(name_ + ": cannot write (" + reason + ")");
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

std::optional<FileIdentity> identityOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return identityFrom(info);
}

RecordUnit RecordUnit::openExisting(const std::filesystem::path& path, FileIdentity* identity) {
  const int descriptor =
      openRegular(path, O_RDONLY, "the file does not exist or cannot be opened");
  struct Closer {
    int descriptor;
    ~Closer() { ::close(descriptor); }
  } closer{descriptor};
  struct stat info {};
  ::fstat(descriptor, &info);
  // The whole file is held in memory, as text and then as records; a file too
  // large for that is named rather than ending the run in an internal error.
  try {
    std::string text = readAll(descriptor, path);
    if (identity != nullptr) *identity = identityFrom(info);
    return fromText(path.filename().string(), text);
  } catch (const std::bad_alloc&) {
    throw IoError(path.string() + ": memory ran out while reading the file");
  }
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::filesystem::path findCaseInsensitive(const std::filesystem::path& directory,
                                          std::string_view name) {
  std::filesystem::path exact = directory / name;
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
       it.increment(error)) {
    if (sameNameIgnoringCase(it->path().filename().string(), name)) return it->path();
  }
  return exact;
}

}  // namespace recordio
