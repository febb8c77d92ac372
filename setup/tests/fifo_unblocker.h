// For tests of code that must never wait on a FIFO: a reader that opens one
// blocks until a writer comes. After `limit` this opens each FIFO for writing and
// closes it again, over and over, which lets a blocked reader go on (it then
// meets the end of the file), so that such a test fails instead of hanging.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace setup::test {

class FifoUnblocker {
 public:
  FifoUnblocker(std::vector<std::string> fifos, std::chrono::milliseconds limit)
      : m_fifos(std::move(fifos)) {
    for (const std::string& fifo : m_fifos) ::mkfifo(fifo.c_str(), 0600);
    m_thread = std::thread([this, limit] {
      std::unique_lock lock(m_mutex);
      if (m_stop.wait_for(lock, limit, [this] { return m_stopped; })) return;
      m_fired = true;
      while (!m_stop.wait_for(lock, std::chrono::milliseconds(50), [this] { return m_stopped; })) {
        for (const std::string& fifo : m_fifos) {
          int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
          if (fd >= 0) ::close(fd);
        }
      }
    });
  }
  ~FifoUnblocker() {
    {
      std::lock_guard lock(m_mutex);
      m_stopped = true;
    }
    m_stop.notify_all();
    m_thread.join();
  }
  FifoUnblocker(const FifoUnblocker&) = delete;
  FifoUnblocker& operator=(const FifoUnblocker&) = delete;

  // True when a FIFO had to be opened for writing: the code under test waited.
  bool fired() {
    std::lock_guard lock(m_mutex);
    return m_fired;
  }

 private:
  std::vector<std::string> m_fifos;
  std::mutex m_mutex;
  std::condition_variable m_stop;
  bool m_stopped = false;
  bool m_fired = false;
  std::thread m_thread;
};

}  // namespace setup::test
