#include "viewer/core/title_layout.h"

#include <gtest/gtest.h>

namespace vorn::viewer {
namespace {

// One unit a character, so that the expected lines can be counted out by hand.
double characters(const std::string& text) { return double(text.size()); }

TEST(TitleLayout, LinesBreakAfterBlanksSlashesAndEqualsSigns) {
    const struct {
        std::string text;
        double width;
        std::vector<std::string> lines;
    } rows[] = {
        {" Pure N2      ", 14, {" Pure N2      "}},  // fits: as it is, blanks kept
        {"N2  /O2  /AR  =78.08/20.95/0.97", 16, {"N2  /O2  /AR  =", "78.08/20.95/0.97"}},
        {"N2  /O2  /AR  =78.08/20.95/0.97", 10, {"N2  /O2  /", "AR  =", "78.08/", "20.95/0.97"}},
        {" T = 273. K,  P = 760.00 Torr", 12, {" T = 273. K,", "P = 760.00", "Torr"}},
        {"ABCDEFGHIJ/K", 4, {"ABCD", "EFGH", "IJ/K"}},  // no place to break: by characters
        {"", 5, {""}},
    };
    for (const auto& row : rows) EXPECT_EQ(row.lines, wrapText(row.text, row.width, characters)) << row.text;
}

TEST(TitleLayout, TheConditionsGoOnALineOfTheirOwnFirst) {
    ChartModel chart;
    chart.titleLine1 = "Uniform Electric Field";
    const std::string gas = "N2  /O2  =78.08/21.92", conditions = " T = 273. K,  P = 760.00 Torr";
    chart.titleLine2 = gas + conditions;
    chart.titleGasLength = gas.size();
    EXPECT_EQ((std::vector<std::string>{chart.titleLine1, chart.titleLine2}), titleLines(chart, 60, characters));
    EXPECT_EQ((std::vector<std::string>{chart.titleLine1, gas, conditions}), titleLines(chart, 30, characters));
    EXPECT_EQ((std::vector<std::string>{"Uniform Electric", "Field", "N2  /O2  =78.08/", "21.92",
                                        " T = 273. K,  P", "= 760.00 Torr"}),
              titleLines(chart, 16, characters));
    chart.titleGasLength = 0;  // no gas component named
    chart.titleLine2 = conditions;
    EXPECT_EQ((std::vector<std::string>{chart.titleLine1, conditions}), titleLines(chart, 30, characters));
}

}  // namespace
}  // namespace vorn::viewer
