#include "src/run_files.h"

namespace kinetics {
namespace {

namespace fs = std::filesystem;

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  fs::path canonicalA = fs::weakly_canonical(a, error);
  if (error) canonicalA = a.lexically_normal();
  fs::path canonicalB = fs::weakly_canonical(b, error);
  if (error) canonicalB = b.lexically_normal();
  if (canonicalA.parent_path() == canonicalB.parent_path() &&
      recordio::sameNameIgnoringCase(canonicalA.filename().string(),
                                     canonicalB.filename().string())) {
    return true;
  }
  // Hard links: two names, one file.
  return fs::exists(a, error) && fs::exists(b, error) && fs::equivalent(a, b, error);
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
  for (const OutputName* output : {&graph, &listing}) {
    const fs::path path = outputPath(output->name);
    for (std::string_view input : {kTapeFileName, kDeckFileName, kParameterFileName}) {
      const fs::path inputPath = recordio::findCaseInsensitive(directory_, input);
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
