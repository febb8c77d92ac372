#include "src/run_files.h"

#include <vector>

namespace kinetics {
namespace {

namespace fs = std::filesystem;

// The path with symbolic links resolved where it exists.
fs::path resolved(const fs::path& path) {
  std::error_code error;
  fs::path result = fs::weakly_canonical(path, error);
  return error ? path.lexically_normal() : result;
}

bool sameFile(const fs::path& a, const fs::path& b) {
  const fs::path resolvedA = resolved(a);
  const fs::path resolvedB = resolved(b);
  if (resolvedA.parent_path() == resolvedB.parent_path() &&
      recordio::sameNameIgnoringCase(resolvedA.filename().string(),
                                     resolvedB.filename().string())) {
    return true;
  }
  // Hard links: two names, one file. A name that does not exist is no file, so
  // equivalent() gives false (with an error that does not matter here).
  std::error_code error;
  return fs::equivalent(a, b, error);
}

std::string described(const OutputName& output) {
  return output.where + ": the " + output.role + " " + recordio::quoted(output.name);
}

}  // namespace

recordio::RecordUnit DirectoryRunFiles::openInput(std::string_view name) {
  return recordio::RecordUnit::openExisting(recordio::findCaseInsensitive(directory_, name));
}

void DirectoryRunFiles::deleteInput(std::string_view name) {
  fs::path path = recordio::findCaseInsensitive(directory_, name);
  std::error_code error;
  fs::remove(path, error);
  if (error) throw recordio::IoError(path.string() + ": cannot delete (" + error.message() + ")");
}

fs::path DirectoryRunFiles::outputPath(const std::string& name) const {
  fs::path path(name);
  return path.is_relative() ? directory_ / path : path;
}

void DirectoryRunFiles::checkOutputs(const OutputName& graph, const OutputName& listing) {
  std::vector<fs::path> inputs;
  for (std::string_view input : {kTapeFileName, kDeckFileName, kParameterFileName}) {
    inputs.push_back(recordio::findCaseInsensitive(directory_, input));
  }
  for (const OutputName* output : {&graph, &listing}) {
    const fs::path path = outputPath(output->name);
    for (const fs::path& inputPath : inputs) {
      if (sameFile(path, inputPath)) {
        throw recordio::IoError(described(*output) + " would overwrite the input file " +
                                inputPath.filename().string());
      }
    }
    if (std::string kind = recordio::nonRegularKind(path); !kind.empty()) {
      throw recordio::IoError(described(*output) + " exists and is not a regular file (" + kind +
                              ")");
    }
  }
  if (sameFile(outputPath(graph.name), outputPath(listing.name))) {
    throw recordio::IoError(described(listing) + " names the same file as the " + graph.role +
                            " (" + graph.where + ")");
  }
}

std::unique_ptr<recordio::RecordSink> DirectoryRunFiles::createOutput(const std::string& name) {
  return std::make_unique<recordio::FileSink>(outputPath(name));
}

}  // namespace kinetics
