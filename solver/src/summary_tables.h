// Run summary tables of the listing, printed after the graph-data file is
// complete: 1 plasma parameters per case, 2 fractional power partition,
// 3 rate constants. Tables 2 and 3 come in pages of 21 rows, each page in
// column groups of up to four cases.
#pragma once

#include "recordio/recordio.h"
#include "src/case_results.h"
#include "src/run_data.h"

namespace kinetics {

// Writes the three tables for `caseCount` cases (NC, the non-converged case
// included). Writes nothing when exactly one case ran. `results` must already
// carry the adjustments stored back by the graph-data writer.
void writeSummaryTables(const RunParameters& params, const GasComposition& composition,
                        const ProcessTable& processes, int caseCount,
                        const CaseResults& results, recordio::RecordSink& sink);

// The single tables (exposed for tests).
void writePlasmaParameterSummary(const RunParameters& params,
                                 const GasComposition& composition, int caseCount,
                                 const CaseResults& results, recordio::RecordSink& sink);
void writePowerPartitionSummary(const RunParameters& params,
                                const GasComposition& composition,
                                const ProcessTable& processes, int caseCount,
                                const CaseResults& results, recordio::RecordSink& sink);
void writeRateConstantSummary(const RunParameters& params, const GasComposition& composition,
                              const ProcessTable& processes, int caseCount,
                              const CaseResults& results, recordio::RecordSink& sink);

}  // namespace kinetics
