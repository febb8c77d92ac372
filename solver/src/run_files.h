// The files of a run as the driver sees them: the three inputs by name, the
// two outputs by the names the parameter file gives. The driver is the only
// part of the solver that names or deletes a file; the stages work on units
// and sinks.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "recordio/recordio.h"

namespace kinetics {

inline constexpr std::string_view kTapeFileName = "Cross.tmp";
inline constexpr std::string_view kDeckFileName = "React.tmp";
inline constexpr std::string_view kParameterFileName = "Param.tmp";

// An output name as the parameter file gives it.
struct OutputName {
  const char* role = "";  // "graph-data file" or "listing", for messages
  std::string name;
  std::string where;  // "Param.tmp, line 77"
};

class RunFiles {
 public:
  virtual ~RunFiles() = default;
  // The whole input file; throws recordio::IoError when it does not exist.
  virtual recordio::RecordUnit openInput(std::string_view name) = 0;
  // Deletes the input file that openInput read. False, and nothing deleted,
  // when the name no longer names that file as it was read (it was replaced or
  // written again since): a run deletes only what it read.
  virtual bool deleteInput(std::string_view name) = 0;
  // Throws recordio::IoError, before anything is deleted or created, when an
  // output name names one of the three input files, when both name the same
  // file, when one exists and is not a regular file, or when one cannot be
  // created or written (its folder missing or not writable).
  virtual void checkOutputs(const OutputName& graph, const OutputName& listing) = 0;
  // An output file created or replaced; throws recordio::IoError when it cannot be.
  virtual std::unique_ptr<recordio::RecordSink> createOutput(const std::string& name) = 0;
  // The file an output name names, for messages.
  virtual std::filesystem::path outputPath(const std::string& name) const { return name; }
};

// Files of a working directory. Input names are matched without regard to
// case; relative output names are taken relative to the directory. Two names
// name the same file when their paths, symbolic links resolved, differ at most
// in the case of the file name (as input names are matched), or when both
// exist and are one file.
class DirectoryRunFiles : public RunFiles {
 public:
  explicit DirectoryRunFiles(std::filesystem::path directory) : directory_(std::move(directory)) {}
  recordio::RecordUnit openInput(std::string_view name) override;
  bool deleteInput(std::string_view name) override;
  void checkOutputs(const OutputName& graph, const OutputName& listing) override;
  std::unique_ptr<recordio::RecordSink> createOutput(const std::string& name) override;
  std::filesystem::path outputPath(const std::string& name) const override;

 private:
  struct InputRead {
    std::filesystem::path path;
    recordio::FileIdentity identity;
  };

  std::filesystem::path directory_;
  std::map<std::string, InputRead, std::less<>> read_;  // by the name asked for
};

}  // namespace kinetics
