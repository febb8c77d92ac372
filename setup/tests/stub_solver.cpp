// Stand-in for the solver program in launcher tests. In its working directory it
// writes stub_record.txt: the argument count, argv[0], the working directory and
// its process id. When stub_sleep holds a number of seconds it sleeps that long
// and then writes stub_done.txt. It copies stub_stderr, when present, to its
// error stream, then ends by the signal numbered in stub_signal, or else exits
// with the status in stub_status (or 0).
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <limits.h>

int main(int argc, char** argv) {
  char cwd[PATH_MAX] = {};
  if (::getcwd(cwd, sizeof cwd) == nullptr) return 99;
  {
    std::ofstream record("stub_record.txt");
    record << argc - 1 << '\n' << argv[0] << '\n' << cwd << '\n' << ::getpid() << '\n';
  }
  int seconds = 0;
  std::ifstream("stub_sleep") >> seconds;
  if (seconds > 0) {
    ::sleep(static_cast<unsigned>(seconds));
    std::ofstream("stub_done.txt") << "done\n";
  }
  if (std::ifstream errors{"stub_stderr", std::ios::binary}) std::cerr << errors.rdbuf() << std::flush;
  int signal = 0;
  std::ifstream("stub_signal") >> signal;
  if (signal > 0) ::raise(signal);
  int status = 0;
  std::ifstream("stub_status") >> status;
  return status;
}
