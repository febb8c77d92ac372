// A whole solver run on three fuzzed input files in a temporary folder.
// Input: Param.tmp, the separator line, React.tmp, the separator line, Cross.tmp.
//
// So that one input takes milliseconds, the harness caps the work the
// parameter file asks for (grid intervals, iterations, number of cases): a file
// over a cap is written again with the capped values. The outputs stay in
// memory: the names in a fuzzed parameter file may point anywhere.
#include <algorithm>
#include <memory>

#include "solver_units.h"
#include "src/params.h"
#include "src/run_driver.h"
#include "src/run_files.h"

namespace {

constexpr int kMeshCap = 100;
constexpr int kIterationCap = 60;
constexpr int kCaseCap = 3;

class FolderInputsMemoryOutputs : public kinetics::DirectoryRunFiles {
 public:
  using DirectoryRunFiles::DirectoryRunFiles;
  std::unique_ptr<recordio::RecordSink> createOutput(const std::string&) override {
    return std::make_unique<recordio::MemorySink>();
  }
};

std::string line(const recordio::Value& value) {
  if (const long long* i = std::get_if<long long>(&value)) return recordio::listDirected(*i) + "\n";
  return recordio::listDirected(std::get<double>(value)) + "\n";
}

// The parameter file with the harness caps applied, or the file itself when it
// is within them (or unreadable: the run then fails the same way).
std::string cappedParameterFile(const std::string& text) {
  recordio::RecordUnit unit = fuzz::unitFromText("Param.tmp", text);
  kinetics::RunParameters p;
  try {
    kinetics::readRunParameters(unit, p);
  } catch (const recordio::IoError&) {
    return text;
  }
  int nonZero = 0;
  for (int i = 1; i <= kinetics::kMaxFieldValues; ++i) {
    if (p.fieldList[i] != 0.0 || p.amplitudeList[i] != 0.0) ++nonZero;
  }
  if (p.meshIntervals <= kMeshCap && p.maxIterations <= kIterationCap && nonZero <= kCaseCap) {
    return text;
  }
  int kept = 0;
  for (int i = 1; i <= kinetics::kMaxFieldValues; ++i) {
    if (p.fieldList[i] == 0.0 && p.amplitudeList[i] == 0.0) continue;
    if (++kept > kCaseCap) p.fieldList[i] = p.amplitudeList[i] = 0.0;
  }
  std::string out = "ZOLBEX PARAMETER FILE\n";
  out += line(static_cast<long long>(p.fieldMode));
  out += line(p.frequencyOmega);
  out += line(p.magneticField);
  for (int i = 1; i <= kinetics::kMaxFieldValues; ++i) out += line(p.fieldList[i]);
  for (int i = 1; i <= kinetics::kMaxFieldValues; ++i) out += line(p.amplitudeList[i]);
  out += line(p.gasPressure);
  out += line(p.gasTemperature);
  out += line(p.electronDensity);
  for (int i = 1; i <= kinetics::kMaxFieldValues; ++i) out += line(p.energyRangeList[i]);
  out += line(p.startTemperatureAsRead);
  out += line(p.accuracy);
  out += line(static_cast<long long>(std::min(p.meshIntervals, kMeshCap)));
  out += line(0LL);
  out += line(0.0);
  out += line(static_cast<long long>(std::min(p.maxIterations, kIterationCap)));
  out += p.graphFileName + "\n" + p.listingFileName + "\n";
  out += line(static_cast<long long>(p.outputMode));
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::TempFolder folder;
  std::vector<std::string> files = fuzz::splitFiles(fuzz::asText(data, size), 3);
  folder.clear();
  folder.write("Param.tmp", cappedParameterFile(files[0]));
  folder.write("React.tmp", files[1]);
  folder.write("Cross.tmp", files[2]);
  FolderInputsMemoryOutputs runFiles(folder.path());
  const auto exists = [&](const char* name) { return std::filesystem::exists(folder.path() / name); };
  kinetics::RunOutcome outcome;
  try {
    outcome = kinetics::runSolver(runFiles);
  } catch (const recordio::IoError&) {
    // A record-I/O failure ends the run with its message (nothing else may
    // escape); the deck and the tape stay for the user.
    if (!exists("React.tmp") || !exists("Cross.tmp")) fuzz::fail("a failed run lost an input file");
    return 0;
  }
  if (exists("Param.tmp")) fuzz::fail("a finished run left the parameter file");
  // A run that computed no case keeps the deck and the tape; one that computed
  // a case deletes both.
  const bool kept = outcome.casesRun == 0;
  if (exists("React.tmp") != kept || exists("Cross.tmp") != kept) {
    fuzz::fail(kept ? "a run that computed no case lost an input file"
                    : "a finished run left an input file");
  }
  return 0;
}
