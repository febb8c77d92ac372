// The listing pages of one case: the non-convergence message, or, as the print
// switches ask, the plasma-parameter page (switch 1), the distribution table
// (switch 2) and the kinetics page with the power balance (switch 5).
//
// Column 1 of every record is the printer control character kept as text ("1"
// new page, blank ordinary line; the tens digit of kinetics rows 10-99 lands
// there too). Each function takes the case's plain data and writes its records.
#pragma once

#include "recordio/recordio.h"
#include "src/run_data.h"

namespace kinetics {

// Everything a page needs about one case. `caseNumber` is the 1-based position
// of the case in the run order (selects Eo and the energy range of the case).
struct CasePageInput {
    int caseNumber = 1;
    const RunParameters& params;
    const GasComposition& composition;  // gas density N
    const ProcessTable& processes;
    const CaseGrid& grid;
    const CaseSolution& solution;
};

// Picks the non-convergence message when the case did not converge; otherwise
// the pages whose print switches are on, in page order.
void writeCasePages(const CasePageInput& in, recordio::RecordSink& sink);

// New page, 19 empty records, the three-line limit message and, when the last
// sweep left negative values, the negative-values line.
void writeNonConvergencePage(const RunParameters& params, const CaseSolution& solution,
                             recordio::RecordSink& sink);

void writePlasmaParameterPage(const CasePageInput& in, recordio::RecordSink& sink);
void writeDistributionTable(const CasePageInput& in, recordio::RecordSink& sink);
// Process table in two passes (densities and thresholds; rates and powers),
// 15 rows a page, then the power balance.
void writeKineticsPage(const CasePageInput& in, recordio::RecordSink& sink);

// Pieces shared by the pages (exposed for tests).
void writeMaxwellianLine(const RunParameters& params, recordio::RecordSink& sink);
void writeFieldLines(const CasePageInput& in, recordio::RecordSink& sink);
void writeIonisationLine(const CasePageInput& in, recordio::RecordSink& sink);
void writeGasLineWithTemperature(const CasePageInput& in, recordio::RecordSink& sink);
void writePowerBalance(const CasePageInput& in, recordio::RecordSink& sink);

}  // namespace kinetics
