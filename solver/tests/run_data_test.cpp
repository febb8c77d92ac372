#include <gtest/gtest.h>

#include "src/run_data.h"

TEST(RunDataTest, ParameterDefaults) {
  kinetics::RunParameters p;
  EXPECT_EQ(p.maxIterations, 900);
  EXPECT_EQ(p.meshIntervals, 20000);
  EXPECT_EQ(p.accuracy, 0.0010000000474974513);
}
