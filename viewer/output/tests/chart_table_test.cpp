#include "chart_table.h"

#include <locale>
#include <sstream>

#include <gtest/gtest.h>

namespace vorn::viewer::output {
namespace {

TEST(TableNumber, GeneralFormatWithSixDigits) {
  struct Row {
    double value;
    const char* expected;
  };
  const Row rows[] = {
      {0.0, "0"},           {1.0, "1"},           {-300.0, "-300"},
      {123456.7, "123457"}, {1234567.0, "1.23457e+06"}, {0.0001, "0.0001"},
      {1e-05, "1e-05"},     {3.2e-9, "3.2e-09"},   {0.12345678, "0.123457"},
      {100.0, "100"},       {-2.5e6, "-2.5e+06"},  {1.5e-300, "1.5e-300"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.expected, formatTableNumber(row.value)) << row.value;
}

TableCurve curve(std::vector<double> x, std::vector<double> y, bool on) {
  return TableCurve{std::move(x), std::move(y), on};
}

std::string tableOf(const std::vector<TableCurve>& curves) {
  std::ostringstream out;
  writeChartTable(curves, out);
  return out.str();
}

TEST(ChartTable, OnlyCurvesThatAreOnEachNumberFollowedByABlank) {
  // Five curves over the field values 10 and 20; curves 2 and 5 are on.
  std::vector<TableCurve> curves;
  for (int k = 1; k <= 5; ++k)
    curves.push_back(curve({10, 20}, {k * 1e-10, k * 2e-10}, k == 2 || k == 5));
  EXPECT_EQ("10 2e-10 10 5e-10 \n"
            "20 4e-10 20 1e-09 \n",
            tableOf(curves));
}

TEST(ChartTable, RowCountFollowsFirstCurveEvenWhenItIsOff) {
  const std::vector<TableCurve> curves = {
      curve({0.05, 0.15, 0.25}, {1.5, 0.75, 0.125}, false),
      curve({0.05, 0.15, 0.25}, {2, 1, 0.5}, true),
  };
  EXPECT_EQ("0.05 2 \n0.15 1 \n0.25 0.5 \n", tableOf(curves));
}

TEST(ChartTable, AllCurvesOffGiveEmptyLines) {
  const std::vector<TableCurve> curves = {curve({1, 2}, {3, 4}, false)};
  EXPECT_EQ("\n\n", tableOf(curves));
}

TEST(ChartTable, NoCurveGivesEmptyTable) { EXPECT_EQ("", tableOf({})); }

TEST(ChartTable, ShorterCurveStopsAtItsOwnLength) {
  const std::vector<TableCurve> curves = {curve({1, 2, 3}, {4, 5, 6}, true),
                                          curve({1}, {7}, true)};
  EXPECT_EQ("1 4 1 7 \n2 5 \n3 6 \n", tableOf(curves));
}

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ChartTable, FullStopWhateverTheStreamLocale) {
  std::ostringstream out;
  out.imbue(std::locale(std::locale::classic(), new CommaDecimal));
  const std::locale previous = std::locale::global(out.getloc());
  writeChartTable({curve({1.5}, {2.25e-7}, true)}, out);
  std::locale::global(previous);
  EXPECT_EQ("1.5 2.25e-07 \n", out.str());
}

}  // namespace
}  // namespace vorn::viewer::output
