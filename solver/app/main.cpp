// Kinrun: the electron kinetics solver. Takes no arguments; reads Param.tmp,
// React.tmp and Cross.tmp in the working directory and writes the listing and
// the graph-data file named in Param.tmp.
//
// Exit status: 0 when at least one case was computed; 2 when record input or
// output failed or the input was refused (also when another run holds the
// folder); 3 when the run computed no case (one line on the error stream names
// the listing that says why).
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>

#include "recordio/recordio.h"
#include "src/folder_lock.h"
#include "src/run_driver.h"

namespace {

// Exit status of a run ended by a failure of its record input or output.
constexpr int kRecordIoFailure = 2;
// Exit status of a run that computed no case.
constexpr int kNoCaseComputed = 3;

int terminate(const std::string& message) {
  std::cerr << message << "\nProgram Terminated with exit code " << kRecordIoFailure << std::endl;
  return kRecordIoFailure;
}

}  // namespace

int main() {
  // Past a file-size limit a write then fails with EFBIG, which is reported as
  // any failed write is, instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  // A closed error stream costs the message, not the run and its status.
  std::signal(SIGPIPE, SIG_IGN);
  try {
    const std::filesystem::path folder = std::filesystem::current_path();
    const kinetics::FolderLock lock(folder);
    kinetics::DirectoryRunFiles files(folder);
    const kinetics::RunOutcome outcome = kinetics::runSolver(files);
    for (const std::string& name : outcome.inputsKept) {
      std::cerr << name << " is not deleted: it is no longer the file this run read" << std::endl;
    }
    if (outcome.casesRun == 0) {
      std::cerr << "No case was computed; the reason is in the listing "
                << outcome.listing.string() << std::endl;
      return kNoCaseComputed;
    }
    return 0;
  } catch (const recordio::IoError& error) {
    return terminate(error.what());
  } catch (const std::bad_alloc&) {
    return terminate("memory ran out");
  } catch (const std::exception& error) {
    return terminate(std::string("internal error: ") + error.what());
  }
}
