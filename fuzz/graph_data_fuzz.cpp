// The viewer core's graph-data reader, and what the viewer builds from a file
// it accepted: texts, case summaries, the six charts, their colours and titles.
#include <sstream>

#include "fuzz_support.h"
#include "viewer/core/curve_rules.h"
#include "viewer/core/graph_data.h"
#include "viewer/core/title_layout.h"
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
  for (ChartModel& chart : buildCharts(graph, texts)) {
    for (Series& series : chart.series) series.on = true;
    recolourSeries(chart);
    // A title in lines of at most 40 characters.
    titleLines(chart, 40, [](const std::string& text) { return double(text.size()); });
  }
  return 0;
}
