#include "setup/numbers.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "test_support.h"

namespace setup {
namespace {

TEST(TypedNumber, AcceptsSignDigitsSeparatorAndExponent) {
  struct Row {
    const char* text;
    char sep;
    double value;
  } rows[] = {
      {"10", '.', 10},       {"-1", '.', -1},        {"+3", '.', 3},       {"0.001", '.', 0.001},
      {"1.", '.', 1},        {".5", '.', 0.5},       {"1e5", '.', 1e5},    {"2.5E-3", '.', 2.5e-3},
      {"1e+2", '.', 100},    {" 5 ", '.', 5},        {"0,5", ',', 0.5},    {"-1,25e1", ',', -12.5},
      {"0", '.', 0},         {"-0", '.', 0},
  };
  for (const Row& row : rows) {
    std::optional<double> value = parseTypedNumber(row.text, row.sep);
    ASSERT_TRUE(value.has_value()) << row.text;
    EXPECT_DOUBLE_EQ(row.value, *value) << row.text;
  }
}

TEST(TypedNumber, RejectsNonNumbersNonFiniteAndGroupSeparators) {
  struct Row {
    const char* text;
    char sep;
  } rows[] = {
      {"", '.'},      {"-", '.'},      {"+", '.'},      {".", '.'},     {"e5", '.'},
      {"1e", '.'},    {"1e+", '.'},    {"inf", '.'},    {"nan", '.'},   {"INF", '.'},
      {"1,000", '.'}, {"1.000", ','},  {"1.5", ','},    {"0x10", '.'},  {"1 000", '.'},
      {"1..2", '.'},  {"--1", '.'},    {"1e999", '.'},  {"abc", '.'},   {"1-", '.'},
  };
  for (const Row& row : rows) {
    EXPECT_FALSE(parseTypedNumber(row.text, row.sep).has_value()) << row.text;
  }
}

TEST(NumberForms, PlainFormIsShortestGeneralText) {
  struct Row {
    double value;
    const char* text;
  } rows[] = {
      {10, "10"},           {0, "0"},                   {273, "273"},
      {760, "760"},         {10000, "10000"},           {0.001, "0.001"},
      {2000, "2000"},       {500, "500"},               {0.123456789, "0.123456789"},
      {-2.5, "-2.5"},       {123456789012, "123456789012"}, {1e20, "1E20"},
      {1.5e-7, "1.5E-7"},   {0.00001, "0.00001"},       {0.1 + 0.2, "0.3"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.text, plainForm(row.value, '.')) << row.value;
  EXPECT_EQ("0,001", plainForm(0.001, ','));
}

TEST(NumberForms, PlainFormReadsBackTheSameNumber) {
  for (double value : {0.1, 1.0 / 3.0, 2.5e-9, 6.02214076e23, 1234.5678, 1e-5}) {
    std::optional<double> back = parseTypedNumber(plainForm(value, ','), ',');
    ASSERT_TRUE(back.has_value()) << value;
    EXPECT_NEAR(value, *back, std::fabs(value) * 1e-14) << value;
  }
}

TEST(NumberForms, DisplayFormHasSixSignificantDigits) {
  EXPECT_EQ("0.123457", displayForm(0.123456789, '.'));
  EXPECT_EQ("1", displayForm(1.0, '.'));
  EXPECT_EQ("0,5", displayForm(0.5, ','));
  EXPECT_EQ("123457", displayForm(123456.7, '.'));
  // Scientific only with more than 6 integer digits or below 0.00001; the
  // exponent has at least three digits.
  std::string big = displayForm(1234567, '.');
  EXPECT_EQ(0u, big.find("1.23457E")) << big;
  EXPECT_EQ(big.size(), std::string("1.23457E+006").size()) << big;
  std::string tiny = displayForm(1e-6, '.');
  EXPECT_EQ("1E-006", tiny);
}

TEST(NumberForms, ElectronConcentrationExponentForm) {
  EXPECT_EQ("1.00E+08", exponentForm3(1e8, '.'));
  EXPECT_EQ("0.00E+00", exponentForm3(0, '.'));
  EXPECT_EQ("2,50E+12", exponentForm3(2.5e12, ','));
}

TEST(FileNumbers, CardAmountAndParameterReals) {
  EXPECT_EQ(" 5.000E-01", cardAmount(0.5));
  EXPECT_EQ(" 0.000E+00", cardAmount(0.0));
  EXPECT_EQ(" 1.000E+00", cardAmount(1.0));
  EXPECT_EQ("-2.500E+03", cardAmount(-2500));
  EXPECT_EQ("1.000E+100", cardAmount(1e100));
  EXPECT_EQ("-1.00E+100", cardAmount(-1e100));  // stays 10 columns wide
  struct Row {
    double value;
    const char* text;
  } rows[] = {
      {1000.0, "1000.00"},  {0.0, "0.00000"},      {10.0, "10.0000"},   {273.0, "273.000"},
      {10000.0, "10000.0"}, {0.001, "0.00100000"}, {2.5e6, "2.50000e+06"}, {123.4567, "123.457"},
      {0.0001, "0.000100000"}, {0.00001, "1.00000e-05"}, {999999.5, "1.00000e+06"}, {0.99999951, "1.00000"},
      {-0.5, "-0.500000"}, {1e-5 * 0.99999999, "1.00000e-05"},
      // Six integer digits: the point stays when no decimal is left.
      {123456.0, "123456."}, {100000.0, "100000."}, {-123456.0, "-123456."}, {99999.96, "100000."},
      {123456.4, "123456."}, {999999.4, "999999."},
  };
  for (const Row& row : rows) EXPECT_EQ(row.text, parameterReal(row.value)) << row.value;
}

TEST(FileNumbers, AmountFieldScan) {
  struct Row {
    const char* field;
    double value;
  } rows[] = {
      {" 1.000E+00", 1.0}, {"       1.0", 1.0}, {"         1", 1.0}, {" 5.000E-01", 0.5},
      {"          ", 0.0}, {"   abc    ", 0.0}, {"", 0.0},           {"-2.5e-3   ", -2.5e-3},
      {"0.8", 0.8},
      // Only sign, digits, point and exponent are read: the rest ends the number.
      {" 0x10", 0.0}, {"0x1p-2", 0.0}, {"  inf", 0.0}, {"nan", 0.0}, {"+.5e1", 5.0},
      {"1e", 1.0}, {"1.5e+", 1.5}, {"2.5D+00", 2.5}, {"7,5", 7.0}, {"1e999", 0.0},
      {" 1.0E+0012", 1e12},
  };
  for (const Row& row : rows) EXPECT_DOUBLE_EQ(row.value, scanAmountField(row.field)) << row.field;
}

// Switches the process to a locale with a decimal comma: an installed one, or one
// compiled into a temporary folder with localedef. False when neither works.
bool useCommaLocale(const std::string& scratch) {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
    if (setlocale(LC_ALL, name) != nullptr) return true;
  }
  std::string command = "localedef -i de_DE -f UTF-8 " + scratch + "/de_DE.UTF-8 >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  ::setenv("LOCPATH", scratch.c_str(), 1);
  bool ok = setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  ::unsetenv("LOCPATH");
  return ok;
}

// The user's locale may use a decimal comma (the GUI switches to it); files keep
// the full stop.
TEST(FileNumbers, IndependentOfTheProcessLocale) {
  test::TempDir scratch;
  if (!useCommaLocale(scratch.path())) GTEST_SKIP() << "no locale with a decimal comma";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  double readBack = scanAmountField(" 8.000E-01");
  std::string amount = cardAmount(0.8);
  std::string real = parameterReal(0.001);
  std::string big = parameterReal(2.5e6);
  setlocale(LC_ALL, "C");
  EXPECT_STREQ("0,5", probe);  // the locale is really in force
  EXPECT_DOUBLE_EQ(0.8, readBack);
  EXPECT_EQ(" 8.000E-01", amount);
  EXPECT_EQ("0.00100000", real);
  EXPECT_EQ("2.50000e+06", big);
}

}  // namespace
}  // namespace setup
