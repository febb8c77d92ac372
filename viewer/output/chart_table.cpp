#include "chart_table.h"

#include <algorithm>
#include <charconv>

namespace vorn::viewer::output {

std::string formatTableNumber(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

void writeChartTable(const std::vector<TableCurve>& curves, std::ostream& out) {
  if (curves.empty()) return;
  const std::size_t rows = std::min(curves.front().x.size(), curves.front().y.size());
  for (std::size_t i = 0; i < rows; ++i) {
    std::string line;
    for (const TableCurve& curve : curves) {
      if (!curve.on || i >= curve.x.size() || i >= curve.y.size()) continue;
      line += formatTableNumber(curve.x[i]);
      line += ' ';
      line += formatTableNumber(curve.y[i]);
      line += ' ';
    }
    line += '\n';
    out << line;
  }
}

}  // namespace vorn::viewer::output
