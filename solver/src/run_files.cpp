#include "src/run_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
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

// Whether the output can be created (or written over) where it is named; the
// check comes before Param.tmp is deleted and before either output replaces a
// file, so that a folder that does not exist costs nothing.
void checkCreatable(const OutputName& output, const fs::path& path) {
  std::error_code error;
  if (fs::exists(path, error)) {
    if (::access(path.c_str(), W_OK) != 0) {
      throw recordio::IoError(described(output) + " cannot be written (" + std::strerror(errno) +
                              ")");
    }
    return;
  }
  const fs::path folder = path.parent_path();
  if (!fs::exists(folder, error)) {
    throw recordio::IoError(described(output) + " cannot be created: the folder " +
                            recordio::quoted(folder.string()) + " does not exist");
  }
  if (!fs::is_directory(folder, error)) {
    throw recordio::IoError(described(output) + " cannot be created: " +
                            recordio::quoted(folder.string()) + " is not a folder");
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    throw recordio::IoError(described(output) + " cannot be created in the folder " +
                            recordio::quoted(folder.string()) + " (" + std::strerror(errno) + ")");
  }
}

}  // namespace

recordio::RecordUnit DirectoryRunFiles::openInput(std::string_view name) {
  InputRead input{recordio::findCaseInsensitive(directory_, name), {}};
  recordio::RecordUnit unit = recordio::RecordUnit::openExisting(input.path, &input.identity);
  read_.insert_or_assign(std::string(name), std::move(input));
  return unit;
}

bool DirectoryRunFiles::deleteInput(std::string_view name) {
  const auto input = read_.find(name);
  if (input == read_.end()) return false;
  const fs::path& path = input->second.path;
  const std::optional<recordio::FileIdentity> now = recordio::identityOf(path);
  if (!now) return true;  // gone already: nothing of it is kept
  if (*now != input->second.identity) return false;
  std::error_code error;
  fs::remove(path, error);
  if (error) throw recordio::IoError(path.string() + ": cannot delete (" + error.message() + ")");
  return true;
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
  for (const OutputName* output : {&graph, &listing}) checkCreatable(*output, outputPath(output->name));
}

std::unique_ptr<recordio::RecordSink> DirectoryRunFiles::createOutput(const std::string& name) {
  return std::make_unique<recordio::FileSink>(outputPath(name));
}

}  // namespace kinetics
