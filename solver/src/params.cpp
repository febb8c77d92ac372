#include "src/params.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace kinetics {
namespace {

// Single-precision constants of the original, widened to double.
constexpr double kTwoPi = 6.28000020980835;
constexpr double kCyclotronPerKgs = 17589999616.0;
constexpr double kBoltzmann = 1.3799999776634377e-23;
constexpr double kElementaryCharge = 1.6020000460965951e-19;
constexpr double kEvPerKelvin = kBoltzmann / kElementaryCharge;  // 8.614231822439214e-05

std::string withoutTrailingBlanks(std::string text) {
  std::size_t end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

// A name is taken as the parameter file spells it, so one that a file system
// would cut or a terminal would act on is refused rather than guessed at.
void checkOutputName(const std::string& name, const char* what, const std::string& where) {
  if (name.empty()) {
    throw recordio::IoError(where + ": the " + std::string(what) + " name is empty");
  }
  if (recordio::hasControlByte(name)) {
    throw recordio::IoError(where + ": the " + std::string(what) + " name " +
                            recordio::quoted(name) + " holds a control byte");
  }
}

using Fields = std::array<double, kMaxFieldValues + 1>;

// The list whose entries define the cases: amplitudes in mode 1, E/N otherwise.
Fields& caseList(RunParameters& params) {
  return params.fieldMode == 1 ? params.amplitudeList : params.fieldList;
}

}  // namespace

void readRunParameters(recordio::RecordUnit& parameterFile, RunParameters& params) {
  params.maxIterations = 900;
  params.meshIntervals = kMaxMeshIntervals;
  params.accuracy = 0.0010000000474974513;
  params.printFlags.fill(false);
  params.printFlags[8] = true;

  parameterFile.read();  // header line, not checked
  std::string kinds = "irr" + std::string(2 * kMaxFieldValues, 'r') + "rrr" +
                      std::string(kMaxFieldValues, 'r') + "rriiri";
  recordio::ListReader reader(parameterFile);
  std::vector<recordio::Value> v = reader.read(kinds);
  std::size_t next = 0;
  auto real = [&] { return std::get<double>(v[next++]); };
  auto integer = [&] { return std::get<long long>(v[next++]); };

  // Records of the values a later check names.
  const std::size_t fieldModeRecord = reader.recordOf(next);
  long long fieldMode = integer();
  params.frequencyOmega = real();
  params.magneticField = real();
  for (int i = 1; i <= kMaxFieldValues; ++i) params.fieldList[i] = real();
  for (int i = 1; i <= kMaxFieldValues; ++i) params.amplitudeList[i] = real();
  const std::size_t pressureRecord = reader.recordOf(next);
  params.gasPressure = real();
  params.gasTemperature = real();
  params.electronDensity = real();
  for (int i = 1; i <= kMaxFieldValues; ++i) params.energyRangeList[i] = real();
  params.startTemperatureAsRead = real();
  params.startTemperature = params.startTemperatureAsRead;
  params.accuracy = real();
  const std::size_t meshRecord = reader.recordOf(next);
  long long meshIntervals = integer();
  integer();  // not used
  real();     // not used
  long long maxIterations = integer();

  params.graphFileName = withoutTrailingBlanks(parameterFile.read().substr(0, 200));
  params.graphFileNameWhere = parameterFile.where();
  params.listingFileName = withoutTrailingBlanks(parameterFile.read().substr(0, 200));
  params.listingFileNameWhere = parameterFile.where();
  params.outputMode = static_cast<int>(std::get<long long>(reader.read("i")[0]));

  if (fieldMode < 0 || fieldMode > 2) {
    throw recordio::IoError(parameterFile.where(fieldModeRecord) + ": field mode " +
                            std::to_string(fieldMode) + " is not 0, 1 or 2");
  }
  // No gas has a negative pressure: it would give a negative density,
  // diffusion and mobility. A pressure of 0 is taken as 1 Torr later.
  if (params.gasPressure < 0.0) {
    char value[32];
    std::snprintf(value, sizeof value, "%g", params.gasPressure);
    throw recordio::IoError(parameterFile.where(pressureRecord) + ": the gas pressure " + value +
                            " Torr is negative");
  }
  if (meshIntervals < 2) {
    throw recordio::IoError(parameterFile.where(meshRecord) + ": " +
                            std::to_string(meshIntervals) +
                            " mesh intervals; at least 2 are needed");
  }
  checkOutputName(params.graphFileName, "graph-data file", params.graphFileNameWhere);
  checkOutputName(params.listingFileName, "listing", params.listingFileNameWhere);
  params.fieldMode = static_cast<int>(fieldMode);
  params.meshIntervals = meshIntervals > kMaxMeshIntervals ? kMaxMeshIntervals
                                                           : static_cast<int>(meshIntervals);
  params.maxIterations = static_cast<int>(std::clamp<long long>(maxIterations, -(1LL << 30), 1LL << 30));
}

void compactAndSortFieldList(RunParameters& params) {
  Fields& field = caseList(params);
  Fields& range = params.energyRangeList;
  // A field value without a positive energy range has no grid (its step would
  // be 0 or negative): the entry is skipped, and becomes a gap that a later
  // entry moves onto, so that it neither runs nor ends the list.
  for (int i = 1; i <= kMaxFieldValues; ++i) {
    if (field[i] != 0.0 && !(range[i] > 0.0)) {
      field[i] = 0.0;
      range[i] = 0.0;
    }
  }
  // An entry without an energy range is a gap: a later entry with an energy
  // range moves onto it.
  for (bool moved = true; moved;) {
    moved = false;
    for (int i = 1; i < kMaxFieldValues; ++i) {
      if (range[i] == 0.0 && range[i + 1] > 0.0) {
        field[i] = field[i + 1];
        range[i] = range[i + 1];
        field[i + 1] = 0.0;
        range[i + 1] = 0.0;
        moved = true;
        break;
      }
    }
  }
  // Field values of 0 or less never move.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int i = 2; i <= kMaxFieldValues; ++i) {
      if (field[i] > 0.0 && field[i] < field[i - 1]) {
        std::swap(field[i], field[i - 1]);
        std::swap(range[i], range[i - 1]);
        swapped = true;
        break;
      }
    }
  }
}

void deriveRunValues(RunParameters& params) {
  switch (params.fieldMode) {
    case 1:
      params.frequencyOmega = params.frequencyOmega * 1e6 * kTwoPi;
      break;
    case 2:
      params.frequencyOmega = params.magneticField * kCyclotronPerKgs;
      break;
    default:
      params.frequencyOmega = 0.0;
  }

  // A run with a single field value always gets the full listing.
  if (caseList(params)[2] == 0.0) params.outputMode = 1;
  if (params.outputMode == 1 || params.outputMode == 0) {
    bool full = params.outputMode == 1;
    params.printFlags[1] = full;
    params.printFlags[2] = full;
    params.printFlags[5] = full;
  }

  params.fieldListTd = params.fieldList;
  for (int i = 1; i <= kMaxFieldValues; ++i) params.fieldList[i] /= 10.0;  // Td to 1e-16 V cm2

  if (params.gasPressure == 0.0) params.gasPressure = 1.0;
  if (params.gasTemperature <= 0.0) params.gasTemperature = 300.0;
  if (params.startTemperature == 0.0) params.startTemperature = params.gasTemperature;
  params.startEnergy = params.startTemperature * kEvPerKelvin;
  if (params.meshIntervals > kMaxMeshIntervals) params.meshIntervals = kMaxMeshIntervals;
  params.meshPoints = params.meshIntervals + 1;
}

int caseCount(const RunParameters& params) {
  int count = 0;
  while (count < kMaxFieldValues && params.fieldList[count + 1] != 0.0 &&
         params.energyRangeList[count + 1] > 0.0) {
    ++count;
  }
  return count;
}

}  // namespace kinetics
