// Used when the viewer is built without its output library: the three commands do nothing.
#include "viewer/gui/chart_output_hooks.h"

namespace vorn::viewer {

void printActivePage(const OutputContext&) {}
void saveChartPicture(const OutputContext&) {}
void exportChartTable(const OutputContext&) {}

}  // namespace vorn::viewer
