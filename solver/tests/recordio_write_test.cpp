// Output editing: each row is a hand-derived field of the listing or the
// graph-data file.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "recordio/recordio.h"

using namespace recordio;

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(RecordFormatTest, I) {
  struct Row { long long value; int w; const char* expected; };
  const Row rows[] = {
      {42, 5, "   42"}, {1000, 3, "***"}, {999, 3, "999"}, {-99, 3, "-99"},
      {-100, 3, "***"}, {0, 1, "0"}, {-1, 2, "-1"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.expected, formatI(r.value, r.w)) << r.value << " I" << r.w;
}

TEST(RecordFormatTest, F) {
  struct Row { double value; int w; int d; const char* expected; };
  const Row rows[] = {
      {20.0, 7, 1, "   20.0"},
      {100.0, 4, 1, "****"},
      {760.0, 7, 2, " 760.00"},
      {273.0, 5, 0, " 273."},        // d = 0 keeps the point
      {-0.01, 7, 1, "   -0.0"},      // rounds to zero, keeps its sign
      {-0.0, 7, 1, "    0.0"},       // an exact zero has none
      {0.0, 7, 1, "    0.0"},
      {0.5, 4, 2, "0.50"},
      {0.5, 3, 2, ".50"},            // leading zero dropped only when needed
      {-0.5, 4, 2, "-.50"},
      {-0.5, 5, 2, "-0.50"},
      {0.5, 2, 2, "**"},
      {0.125, 6, 2, "  0.12"},       // ties to even
      {0.375, 6, 2, "  0.38"},
      {9.96, 5, 1, " 10.0"},         // carry into a new digit
      {9.96, 4, 1, "10.0"},
      {9.96, 3, 1, "***"},
      {99.95, 4, 1, "****"},
      {99.94, 4, 1, "99.9"},
      {1e250, 10, 2, "**********"},
      {kNaN, 7, 1, "    NaN"},
      {kInf, 7, 1, "    Inf"},
      {-kInf, 7, 1, "   -Inf"},
      {kNaN, 2, 1, "**"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.expected, formatF(r.value, r.w, r.d)) << r.value << " F" << r.w << "." << r.d;
  }
}

// Where C's printf has the same semantics (values of 1 or more), both agree.
TEST(RecordFormatTest, FAgreesWithPrintf) {
  const double values[] = {1.0, 1.5, 2.675, 12.345, 1e5 / 3, 123456.789, 0.5e7 + 0.25, 7.0625, 99.995};
  for (double v : values) {
    for (int d = 1; d <= 6; ++d) {
      for (double s : {v, -v}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%20.*f", d, s);
        EXPECT_EQ(expected, formatF(s, 20, d)) << s << " d=" << d;
      }
    }
  }
}

TEST(RecordFormatTest, E) {
  struct Row { double value; int w; int d; int scale; const char* expected; };
  const Row rows[] = {
      {12.345, 12, 5, 0, " 0.12345E+02"},
      {6.28e9, 9, 2, 1, " 6.28E+09"},
      {1.0, 12, 5, 0, " 0.10000E+01"},
      {0.5, 14, 7, 0, " 0.5000000E+00"},
      {0.0, 12, 5, 0, " 0.00000E+00"},
      {-0.0, 12, 5, 0, " 0.00000E+00"},
      {0.0, 9, 2, 1, " 0.00E+00"},
      {0.0, 8, 1, 1, " 0.0E+00"},
      {-12.345, 12, 5, 0, "-0.12345E+02"},
      {-12.345, 11, 5, 0, "-.12345E+02"},   // leading zero gives way
      {12.345, 10, 5, 0, ".12345E+02"},
      {12.345, 9, 5, 0, "*********"},
      {9.999996, 12, 5, 0, " 0.10000E+02"}, // carry moves the exponent
      {9.996, 9, 2, 1, " 1.00E+01"},
      {0.125, 9, 2, 0, " 0.12E+00"},        // ties to even
      {0.375, 9, 2, 0, " 0.38E+00"},
      {1.2345e-100, 12, 5, 0, " 0.12345E-99"},
      {1.2345e-101, 12, 5, 0, " 0.12345-100"}, // three exponent digits drop the E
      {1e100, 12, 5, 0, " 0.10000+101"},
      {1e-300, 9, 2, 1, " 1.00-300"},
      {-6.28e9, 9, 2, 1, "-6.28E+09"},
      {-6.28e9, 8, 2, 1, "********"},
      {1.5, 10, 3, 1, " 1.500E+00"},
      {kNaN, 12, 5, 0, "         NaN"},
      {kInf, 12, 5, 0, "         Inf"},
      {-kInf, 12, 5, 0, "        -Inf"},
      {kInf, 2, 1, 1, "**"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.expected, formatE(r.value, r.w, r.d, r.scale))
        << r.value << " " << r.scale << "PE" << r.w << "." << r.d;
  }
}

TEST(RecordFormatTest, A) {
  EXPECT_EQ("      N2", formatA("N2", 8));
  EXPECT_EQ("NITR", formatA("NITROGEN", 4));
  EXPECT_EQ("ABC", formatA("ABC", 3));
}

TEST(RecordFormatTest, ListDirected) {
  EXPECT_EQ(" 42", listDirected(42LL));
  EXPECT_EQ(" -7", listDirected(-7LL));
  EXPECT_EQ(" 12.3450000000000", listDirected(12.345));
  EXPECT_EQ(" 0.500000000000000", listDirected(0.5));
  EXPECT_EQ(" 1.00000000000000E-03", listDirected(0.001));
  EXPECT_EQ(" -1.00000000000000E+20", listDirected(-1e20));
  EXPECT_EQ(" 0.00000000000000", listDirected(0.0));
  EXPECT_EQ(" 123456789012345.", listDirected(123456789012345.0));
  EXPECT_EQ(" NaN", listDirected(kNaN));
  for (double v : {0.0010000000474974513, 273.0, 1.0680000318288803e-12, 6.02e23}) {
    double back = readReal(listDirected(v), 0);
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
  }
}

TEST(RecordFormatTest, ProcessLocaleIsIgnored) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ("   20.0", formatF(20.0, 7, 1));
  EXPECT_EQ(" 0.12345E+02", formatE(12.345, 12, 5, 0));
  EXPECT_EQ(1.5, readReal("1.5", 3));
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(RecordFormatTest, Records) {
  using R = std::vector<std::string>;
  EXPECT_EQ(R({" E/N =   20.0"}), formatRecords("1X,'E/N =',F7.1", {20.0}));
  EXPECT_EQ(R({"78.08"}), formatRecords("2PF5.2", {0.7808}));
  EXPECT_EQ(R({"*****"}), formatRecords("2PF5.2", {1.0}));
  EXPECT_EQ(R({"78.08"}), formatRecords("%F5.2", {0.7808}));
  // The percentage is an exact decimal shift of the binary value: 0.00125 lies
  // just above the tie, 0.125 * 100 in floating point would round to even.
  EXPECT_EQ(R({"  0.13"}), formatRecords("2PF6.2", {0.00125}));
  EXPECT_EQ(R({"100.00"}), formatRecords("2PF6.2", {1.0}));
  EXPECT_EQ(R({"  0.00"}), formatRecords("2PF6.2", {0.0}));
  EXPECT_EQ(R({" -0.00"}), formatRecords("2PF6.2", {-1e-9}));
  EXPECT_EQ(R({"  5."}), formatRecords("2PF4.0", {0.05}));
  EXPECT_EQ(R({" 6.28E+09"}), formatRecords("1PE9.2", {6.28e9}));
  EXPECT_EQ(R({" 6.28E+09"}), formatRecords("SE9.2", {6.28e9}));
  // A scale factor belongs to its own descriptor only.
  EXPECT_EQ(R({" 1.500E+00    2.50"}), formatRecords("1PE10.3,1X,F7.2", {1.5, 2.5}));
  EXPECT_EQ(R({"", "A"}), formatRecords("/,'A'"));
  EXPECT_EQ(R({"A", ""}), formatRecords("'A',/"));
  EXPECT_EQ(R({"A", "", "B"}), formatRecords("'A'//'B'"));
  EXPECT_EQ(R({"A   "}), formatRecords("'A',3X"));
  EXPECT_EQ(R({"ABxDEF"}), formatRecords("'ABCDEF',T3,'x'"));
  EXPECT_EQ(R({"    A"}), formatRecords("T5,'A'"));
  EXPECT_EQ(R({"it's \"q\""}), formatRecords("'it''s \"q\"'"));
  EXPECT_EQ(R({"XN2"}), formatRecords("'X',A", {std::string("N2")}));
  EXPECT_EQ(R({"      N2"}), formatRecords("A8", {std::string("N2")}));
  EXPECT_EQ(R({" 1 2 3"}), formatRecords("3I2", {1LL, 2LL, 3LL}));
  EXPECT_EQ(R({"  3.0"}), formatRecords("F5.1", {3LL}));
  EXPECT_EQ(R({" 1.00 2.00 3.00"}), formatRecords("1X,F4.2,2(1X,F4.2)", {1.0, 2.0, 3.0}));
}

TEST(RecordFormatTest, ListStopsAtFirstFieldWithoutValue) {
  using R = std::vector<std::string>;
  EXPECT_EQ(R({"   1.0|  2.0|"}), formatRecords("1X,3(F5.1,'|')", {1.0, 2.0}));
  EXPECT_EQ(R({" T ="}), formatRecords("' T =',F5.0,' K'"));
}

TEST(RecordFormatTest, ValuesLeftReuseLastGroup) {
  using R = std::vector<std::string>;
  EXPECT_EQ(R({" H", "   1  2", "   3  4", "   5"}),
            formatRecords("1X,'H',/,(1X,2I3)", {1LL, 2LL, 3LL, 4LL, 5LL}));
  EXPECT_EQ(R({"   1", "   2", "   3"}), formatRecords("1X,I3", {1LL, 2LL, 3LL}));
  Format prepared("1X,E12.5");
  std::vector<Value> values{1.0, 2.0};
  EXPECT_EQ(R({"  0.10000E+01", "  0.20000E+01"}), formatRecords(prepared, values));
}

TEST(RecordFormatTest, MalformedFormats) {
  for (const char* bad : {"Q5", "F5", "E12", "'abc", "2(I3", "I3)", "1X,P", "I0", "2PI3", "T0"}) {
    EXPECT_THROW(Format{bad}, FormatError) << bad;
  }
  EXPECT_THROW(formatRecords("'A'", {1LL}), FormatError);
  EXPECT_THROW(formatRecords("I3", {1.5}), FormatError);
  EXPECT_THROW(formatRecords("A3", {1.5}), FormatError);
}
