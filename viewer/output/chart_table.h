// The curve table written by File/Export: plain text, no header, one line per
// point of the first curve; each line holds "x y " for every curve that is on,
// in chart order. Numbers use six significant digits in general notation with
// a full stop, whatever the process locale.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vorn::viewer::output {

struct TableCurve {
  std::vector<double> x;
  std::vector<double> y;
  bool on = true;
};

// "%g" in the C locale: 123457, 0.0001, 1e-05, -2.5e+06.
std::string formatTableNumber(double value);

// Writes the table of the given curves (a chart's heading series already left
// out). The row count comes from the first curve, also when it is off; no
// curves give an empty table. A curve shorter than the first contributes
// nothing to the rows beyond its own points.
void writeChartTable(const std::vector<TableCurve>& curves, std::ostream& out);

}  // namespace vorn::viewer::output
