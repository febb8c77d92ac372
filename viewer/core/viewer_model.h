#pragma once
// Turns a read graph-data file into what the viewer window shows: page captions, the
// "Configuring" page's lists and values, and the six charts with their axes scaled.

#include <array>
#include <string>
#include <vector>

#include "viewer/core/chart_model.h"
#include "viewer/core/graph_data.h"
#include "viewer/core/number_format.h"

namespace vorn::viewer {

struct ViewerTexts {
    std::array<std::string, 3> pageCaptions;  // pages 4, 5 and 6
    std::string fieldHeading;                 // Panel4
    std::string fieldSeriesTitle;             // the heading series of Chart1
    std::vector<std::string> fieldRows;       // CheckListBox1: one row per case run
    std::vector<std::string> rateRows;        // CheckListBox2: P names, then 2 extra names
    std::vector<std::string> powerRows;       // CheckListBox3: P names, then 2 extra names
    std::string intervals;                    // Panel15
    std::string accuracy;                     // Panel16
    std::string startTe;                      // Panel22
    bool maxwellian = false;                  // Panel21 shown
};

inline constexpr const char* kNotConverged = "not converged";

// The values of one case on the "Configuring" page; the result boxes of a case that did not
// converge read kNotConverged.
struct CaseSummary {
    std::string fieldValue;       // Panel0
    std::string energyRange;      // Panel14
    std::string balanceAccuracy;  // Panel17
    std::string eeDiscrepancy;    // Panel18
};

ViewerTexts buildTexts(const GraphData& data, NumberStyle style);
CaseSummary caseSummary(const GraphData& data, const ViewerTexts& texts, int row,
                        NumberStyle style);

// The six charts after a read. Both axes of every chart start from their design settings,
// so that nothing set for an earlier file or in the axis dialog survives, and are then set
// per field mode and scaled to every curve of the chart. Every curve is off until the page
// shows it.
std::array<ChartModel, kChartCount> buildCharts(const GraphData& data, const ViewerTexts& texts);

// The title of transport curve slot s (0 .. 5) in a field mode, 15 characters.
std::string transportCurveTitle(int slot, int fieldMode);
// Transport slots attached to chart 3, 4 or 5 in a field mode.
std::vector<int> transportSlots(int chart, int fieldMode);

}  // namespace vorn::viewer
