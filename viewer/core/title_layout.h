#pragma once
// The lines a chart title is drawn in. The title is never cut short: a line too wide for
// the chart is broken, first where the conditions join the gas line, then after a run of
// blanks, a '/' or a '=', and a piece without such a place between characters.

#include <functional>
#include <string>
#include <vector>

#include "viewer/core/chart_model.h"

namespace vorn::viewer {

// The width a text takes, in the unit of maxWidth (the font in use measures it).
using TextWidth = std::function<double(const std::string&)>;

// text in lines no wider than maxWidth; blanks at a break are dropped. A text that fits is
// one line, as it is.
std::vector<std::string> wrapText(const std::string& text, double maxWidth, const TextWidth& width);

// The chart's two title lines, each broken as needed; an empty line stays one empty line.
std::vector<std::string> titleLines(const ChartModel& chart, double maxWidth, const TextWidth& width);

}  // namespace vorn::viewer
