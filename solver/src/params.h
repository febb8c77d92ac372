// Run parameters from the parameter file (Param.tmp): defaults, the
// list-directed read, the field list made into the list of cases, clamps and
// derived values.
//
// Layout: a header line; 75 list-directed values (field mode, f in MHz, H in
// kGs, 21 E/N in Td, 21 Eo in V/cm, pressure, gas temperature, electron
// density, 21 energy ranges in eV, start temperature, accuracy, mesh intervals,
// an unused integer and real, maximum iterations); the graph-data file name and
// the listing file name, one line each (200 columns); the output mode.
#pragma once

#include "recordio/recordio.h"
#include "src/run_data.h"

namespace kinetics {

// Sets the defaults and reads the whole file. A value that cannot be read as
// its item's type, or a file that ends early, throws recordio::IoError; so does
// a value the run cannot work with (a field mode other than 0, 1, 2, a negative
// gas pressure, or fewer than 2 mesh intervals).
void readRunParameters(recordio::RecordUnit& parameterFile, RunParameters& params);

// Skips every entry whose field value is not 0 and whose energy range is 0 or
// below (it is cleared to a gap), closes the gaps of the field list (keyed on
// the energy range) and sorts it by increasing field value, energy ranges
// moving in step. Works on the amplitudes in mode 1, on E/N otherwise.
void compactAndSortFieldList(RunParameters& params);

// Angular frequency, output mode and print switches, E/N in 1e-16 V cm2, and the
// clamps of pressure, temperatures and mesh size.
void deriveRunValues(RunParameters& params);

// Number of leading entries of the field list that are run: non-zero field
// value and a positive energy range (a case without an energy range would have
// a grid step of 0), at most 21.
int caseCount(const RunParameters& params);

}  // namespace kinetics
