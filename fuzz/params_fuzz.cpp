// The solver's parameter-file reader: the read, the compaction and sort of the
// field list and the derived values, on any Param.tmp.
#include "solver_units.h"
#include "src/params.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  recordio::RecordUnit file = fuzz::unitFromText("Param.tmp", fuzz::asText(data, size));
  kinetics::RunParameters params;
  try {
    kinetics::readRunParameters(file, params);
  } catch (const recordio::IoError&) {
    return 0;  // the run ends with its record-I/O message
  }
  kinetics::compactAndSortFieldList(params);
  kinetics::deriveRunValues(params);
  if (params.meshIntervals < 2 || params.meshIntervals > kinetics::kMaxMeshIntervals) {
    fuzz::fail("mesh intervals outside 2..20000");
  }
  if (params.meshPoints != params.meshIntervals + 1) fuzz::fail("mesh points");
  if (params.fieldMode < 0 || params.fieldMode > 2) fuzz::fail("field mode");
  int cases = kinetics::caseCount(params);
  if (cases < 0 || cases > kinetics::kMaxFieldValues) fuzz::fail("case count");
  for (int k = 1; k <= cases; ++k) {
    if (!(params.energyRangeList[k] > 0.0)) fuzz::fail("a case without an energy range");
  }
  return 0;
}
