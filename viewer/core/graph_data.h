#pragma once
// A run's graph-data file (extension gdt) as the solver writes it, read into plain values.
//
// Layout, one record per line (CR LF or LF); a number that is not finite is written "NaN",
// "Inf" or "-Inf", and an E field with a three-digit exponent drops its letter: "0.10000+301".
//   "ZOLBEX GRP FILE"; field mode; field line; gas line; conditions line; NP; NF; P;
//   P process names (32 characters); 4 extra curve names; NF field values (E12.5);
//   NC distribution blocks (NP energies E14.7, then NP values E12.5);
//   NC; NC case field values; (P + 2) rate, (P + 2) power and 6 transport blocks of NC lines;
//   accuracy; intervals; start temperature; NC lines of three F7.1 fields (no separators).
// A run that stopped at a non-converged case k announces NF field values but writes only
// k distribution blocks; the NC line (a plain integer) follows the last block.
// A run that computed no case leaves the file empty, or writes the header alone, or only
// what follows the case loop (NC = 0 and the three trailer values).

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vorn::viewer {

inline constexpr int kMaxFieldValues = 21;
inline constexpr int kMaxPoints = 2001;
inline constexpr int kMaxProcesses = 250;
inline constexpr int kExtraCurveNames = 4;
// No line of the file is longer than its gas line, 164 characters for 15 gas components; a
// longer line is refused as soon as it passes this length (the line end not counted).
inline constexpr int kMaxLineLength = 1000;

// One line of the run trailer: energy range (eV), power balance accuracy (%), e-e power
// discrepancy (%). A field written as asterisks (too wide for F7.1) reads as NaN and keeps
// its text so that it can be shown as written.
struct CaseBalance {
    double energyRange = 0;
    double balanceAccuracy = 0;
    double eeDiscrepancy = 0;
    std::string energyRangeText, balanceAccuracyText, eeDiscrepancyText;
};

struct Distribution {
    std::vector<double> energies;  // eV
    std::vector<double> values;    // f(u), eV^-3/2
};

struct GraphData {
    int fieldMode = 0;  // 0 E/N, 1 high-frequency Eo, 2 E/N with crossed H
    std::string fieldLine, gasLine, conditionsLine;
    int pointCount = 0;       // NP
    int fieldValueCount = 0;  // NF as announced in the header
    int processCount = 0;     // P
    std::vector<std::string> processNames;  // P names, then the 4 extra curve names
    std::vector<double> fieldValues;        // NF header field values (Td or V/cm)
    std::vector<Distribution> distributions;  // one per case run (NC)
    int caseCount = 0;                         // NC
    std::vector<double> caseFieldValues;       // NC
    std::vector<std::vector<double>> rateCurves;       // P + 2 curves of NC values
    std::vector<std::vector<double>> powerCurves;      // P + 2 curves of NC values
    std::vector<std::vector<double>> transportCurves;  // 6 curves of NC values
    double accuracy = 0;
    int intervals = 0;
    double startTe = 0;  // negative for an iterative run
    std::vector<CaseBalance> balance;  // NC

    // A case did not converge when any of its values is not finite (the solver writes NaN
    // for what it could not compute), or when it is the last case and its case-table field
    // value is exactly 0. Only converged cases appear on the charts of field-dependent
    // quantities.
    bool caseConverged(int k) const;  // k from 0
    int convergedCaseCount() const;
};

// NoCase: the file is one of a run that computed no case; nothing to show, the reason is in
// the run's listing.
enum class ReadErrorKind { NotGraphFile, Malformed, NoCase };

struct ReadError {
    ReadErrorKind kind = ReadErrorKind::Malformed;
    int line = 0;  // 1-based line of the fault; 0 when the file cannot be opened
    std::string reason;
};

struct ReadResult {
    std::optional<GraphData> data;
    ReadError error;  // meaningful when data is empty
};

// Reads a whole graph-data file into a fresh object; any deviation from the layout is an
// error naming the line. Numbers use the full stop whatever the process locale. A path that
// names something other than a regular file (a FIFO, a device, a folder) is refused without
// waiting on it.
ReadResult readGraphData(std::istream& in);
ReadResult readGraphFile(const std::string& path);

// "line N: reason" for the second line of the viewer's error message.
std::string describe(const ReadError& error);

}  // namespace vorn::viewer
