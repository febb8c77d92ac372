#include "src/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "recordio/recordio.h"

namespace kinetics {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  // A folder the run may use but not list (no read permission) cannot be
  // opened for the lock; the run goes on in it as before.
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  int status;
  do {
    status = ::flock(descriptor, LOCK_EX | LOCK_NB);
  } while (status != 0 && errno == EINTR);
  if (status == 0) {
    descriptor_ = descriptor;
    return;
  }
  const int error = errno;
  ::close(descriptor);
  if (error == EWOULDBLOCK) {
    throw recordio::IoError(folder.string() +
                            ": another run of the solver works in this folder; this run ends "
                            "without touching a file");
  }
}

FolderLock::~FolderLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace kinetics
