// Kinrun: the electron kinetics solver. Takes no arguments; reads Param.tmp,
// React.tmp and Cross.tmp in the working directory and writes the listing and
// the graph-data file named in Param.tmp.
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>

#include "recordio/recordio.h"
#include "src/run_driver.h"

namespace {

// Exit status of a run ended by a failure of its record input or output.
constexpr int kRecordIoFailure = 2;

int terminate(const std::string& message) {
  std::cerr << message << "\nProgram Terminated with exit code " << kRecordIoFailure << std::endl;
  return kRecordIoFailure;
}

}  // namespace

int main() {
  // Past a file-size limit a write then fails with EFBIG, which is reported as
  // any failed write is, instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    kinetics::DirectoryRunFiles files(std::filesystem::current_path());
    kinetics::runSolver(files);
    return 0;
  } catch (const recordio::IoError& error) {
    return terminate(error.what());
  } catch (const std::exception& error) {
    return terminate(std::string("internal error: ") + error.what());
  }
}
