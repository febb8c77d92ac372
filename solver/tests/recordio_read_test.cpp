// Fixed-column and list-directed input.
#include <gtest/gtest.h>

#include "recordio/recordio.h"

using namespace recordio;

TEST(RecordReadTest, Integer) {
  struct Row { const char* field; long long expected; };
  const Row rows[] = {
      {"", 0}, {"  ", 0}, {"+1", 1}, {" 1", 1}, {"-1", -1}, {"12", 12}, {"1 5", 15}, {"  -42  ", -42},
  };
  for (const Row& r : rows) EXPECT_EQ(r.expected, readInteger(r.field)) << '"' << r.field << '"';
  for (const char* bad : {"1.0", "a", "+", "1-", "--1", "1e3"}) {
    EXPECT_THROW(readInteger(bad), IoError) << bad;
  }
}

TEST(RecordReadTest, Real) {
  struct Row { const char* field; int implied; double expected; };
  const Row rows[] = {
      {"1500", 3, 1.5},          // three implied decimals
      {"  1500    ", 3, 1.5},
      {"1000", 3, 1.0},          // unit factor in F5.3
      {"1500", 0, 1500.0},
      {"15E2", 3, 1.5},          // implied decimals come before the exponent
      {"1.5", 3, 1.5},
      {"5.", 3, 5.0},
      {".5", 3, 0.5},
      {"-.5", 3, -0.5},
      {" 5.000E-01", 3, 0.5},
      {"-2.5E+02", 3, -250.0},
      {"2.5e2", 3, 250.0},
      {"1.5-3", 3, 0.0015},      // exponent given by its sign alone
      {"1.5+3", 3, 1500.0},
      {"1.5D2", 3, 150.0},
      {"+7.25", 3, 7.25},
      {"", 3, 0.0},
      {"          ", 3, 0.0},
      {"0.0010000000474974513", 0, 0.0010000000474974513},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.expected, readReal(r.field, r.implied)) << '"' << r.field << '"';
  }
  for (const char* bad : {"-", "+", "1.2.3", "1x", "1.5E", "E", "abc", "1,5", "1e999"}) {
    EXPECT_THROW(readReal(bad, 3), IoError) << bad;
  }
  // A mantissa without a digit: a doubled sign is no exponent on nothing, and
  // neither a lone point nor a lone exponent is zero.
  for (const char* bad : {"--150", "-+50", "+-5", "  --60   ", ".", "-.", "E5", "E+02", "+E3", "D2",
                          "-.E1"}) {
    EXPECT_THROW(readReal(bad, 3), IoError) << bad;
    EXPECT_THROW(readReal(bad, 0), IoError) << bad;
  }
}

TEST(RecordReadTest, BadFieldMessageNamesTheField) {
  try {
    readReal("12x4", 3);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("\"12x4\""), std::string::npos) << e.what();
  }
}

TEST(RecordReadTest, Fields) {
  const std::string card =
      "N2        0.8000    1.0000      28.0" + std::string(34, ' ') + "+1";
  ASSERT_EQ(72u, card.size());
  std::vector<Value> v = readFields(card, "A8,3E10.3,32X,I2");
  ASSERT_EQ(5u, v.size());
  EXPECT_EQ("N2      ", std::get<std::string>(v[0]));
  EXPECT_EQ(0.8, std::get<double>(v[1]));
  EXPECT_EQ(1.0, std::get<double>(v[2]));
  EXPECT_EQ(28.0, std::get<double>(v[3]));
  EXPECT_EQ(1, std::get<long long>(v[4]));

  // A short record is padded with blanks: the code of a short card reads 0.
  v = readFields("AB", "A8,I2");
  EXPECT_EQ("AB      ", std::get<std::string>(v[0]));
  EXPECT_EQ(0, std::get<long long>(v[1]));

  v = readFields("  1  2  3", "2(I3),T1,I2");
  EXPECT_EQ((std::vector<Value>{1LL, 2LL, 0LL}), v);
  v = readFields(" 1500", "F5.3");
  EXPECT_EQ(1.5, std::get<double>(v[0]));

  EXPECT_THROW(readFields("abc", "I3"), IoError);
  EXPECT_THROW(readFields("abc", "'x'"), FormatError);
  EXPECT_THROW(readFields("abc", "A"), FormatError);
}
