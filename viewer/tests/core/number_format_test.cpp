#include "viewer/core/number_format.h"

#include <gtest/gtest.h>

namespace vorn::viewer {
namespace {

constexpr NumberStyle kComma{',', '.'};

TEST(NumberFormat, Exponent) {
    struct Row {
        double v;
        const char* expected;
    };
    const Row rows[] = {{100, "1.000E+02"},     {-0.00125, "-1.250E-03"}, {0, "0.000E+00"},
                        {1e-4, "1.000E-04"},    {9.9996, "1.000E+01"},   {1.5e120, "1.500E+120"},
                        {12345.6, "1.235E+04"}, {2e-30, "2.000E-30"}};
    for (const Row& row : rows) EXPECT_EQ(row.expected, formatExponent(row.v, 4, 2)) << row.v;
    EXPECT_EQ("1,000E+02", formatExponent(100, 4, 2, kComma));
}

TEST(NumberFormat, Fixed) {
    EXPECT_EQ("20.0", formatFixed(20, 7, 1));
    EXPECT_EQ("-0.12", formatFixed(-0.123, 8, 2));
    EXPECT_EQ("0.00", formatFixed(-0.001, 8, 2)) << "no minus sign on a rounded zero";
    EXPECT_EQ("1234567.0", formatFixed(1234567, 7, 1));
    EXPECT_EQ("1.234568E+07", formatFixed(12345678, 7, 1)) << "more integer digits than the precision";
    EXPECT_EQ("30,5", formatFixed(30.5, 7, 1, kComma));
}

TEST(NumberFormat, General) {
    struct Row {
        double v;
        const char* expected;
    };
    const Row rows[] = {{300, "300"},          {-300, "-300"},       {0, "0"},
                        {-0.5, "-0.5"},        {1e-4, "0.0001"},     {1e-6, "1E-6"},
                        {1.5e20, "1.5E20"},    {0.1, "0.1"},         {1234.5678, "1234.5678"},
                        {1.0 / 3, "0.333333333333333"}};
    for (const Row& row : rows) EXPECT_EQ(row.expected, formatGeneral(row.v)) << row.v;
    EXPECT_EQ("-2,5", formatGeneral(-2.5, kComma));
}

TEST(NumberFormat, AxisLabels) {
    struct Row {
        double v;
        LabelFormat format;
        const char* expected;
    };
    const Row rows[] = {
        {1e-10, LabelFormat::Exponent2, "  1E-10"}, {2500, LabelFormat::Exponent2, "  2.5E3"},
        {1, LabelFormat::Exponent2, "  1E0"},       {1e-16, LabelFormat::Exponent3, "   1E-16"},
        {-0.125, LabelFormat::Exponent2, "  -1.25E-1"},
        {2500.5, LabelFormat::Plain, "2,500.5"},    {1000, LabelFormat::Plain, "1,000"},
        {0.12345, LabelFormat::Plain, "0.123"},     {-40, LabelFormat::Plain, "-40"},
        {1234567, LabelFormat::Plain, "1,234,567"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, formatAxisValue(row.v, row.format)) << row.v;
    EXPECT_EQ("2.500,5", formatAxisValue(2500.5, LabelFormat::Plain, kComma));
}

}  // namespace
}  // namespace vorn::viewer
