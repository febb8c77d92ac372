// One run per folder: a run holds an exclusive lock on its working directory
// from before it opens its first input until it ends. The lock is a flock() on
// the directory itself, so no lock file appears among the user's files and none
// is left behind: the kernel drops the lock when the process ends, however it
// ends.
#pragma once

#include <filesystem>

namespace kinetics {

class FolderLock {
 public:
  // Takes the lock without waiting. A folder that another process holds throws
  // recordio::IoError. A folder that cannot be opened (no read permission) or a
  // file system that cannot lock a directory (some network file systems) gives
  // no lock, and the run goes on as it did without one.
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Whether the lock is held (false where the file system cannot lock).
  bool held() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
};

}  // namespace kinetics
