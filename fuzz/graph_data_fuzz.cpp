// The viewer core's graph-data reader, and what the viewer builds from a file
// it accepted: texts, case summaries and the six charts.
#include <sstream>

#include "fuzz_support.h"
#include "viewer/core/graph_data.h"
#include "viewer/core/viewer_model.h"

using namespace vorn::viewer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in{std::string(fuzz::asText(data, size))};
  ReadResult result = readGraphData(in);
  if (!result.data) {
    describe(result.error);
    return 0;
  }
  const GraphData& graph = *result.data;
  NumberStyle style;
  ViewerTexts texts = buildTexts(graph, style);
  for (int row = 0; row < static_cast<int>(texts.fieldRows.size()); ++row) {
    caseSummary(graph, texts, row, style);
  }
  std::array<ChartAxes, kChartCount> axes;
  for (int chart = 0; chart < kChartCount; ++chart) axes[chart] = designAxes(chart);
  buildCharts(graph, texts, axes);
  return 0;
}
