#include "src/run_files.h"

namespace kinetics {

recordio::RecordUnit DirectoryRunFiles::openInput(std::string_view name) {
  return recordio::RecordUnit::openExisting(recordio::findCaseInsensitive(directory_, name));
}

void DirectoryRunFiles::deleteInput(std::string_view name) {
  std::filesystem::path path = recordio::findCaseInsensitive(directory_, name);
  std::error_code error;
  std::filesystem::remove(path, error);
  if (error) throw recordio::IoError(path.string() + ": cannot delete (" + error.message() + ")");
}

std::unique_ptr<recordio::RecordSink> DirectoryRunFiles::createOutput(const std::string& name) {
  std::filesystem::path path(name);
  if (path.is_relative()) path = directory_ / path;
  return std::make_unique<recordio::FileSink>(path);
}

}  // namespace kinetics
