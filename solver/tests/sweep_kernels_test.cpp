// The sweep kernels are reached through the processor dispatch of their file:
// these results come only from a kernel that really ran, on whatever path the
// processor takes, and must equal the plain loop's bits.
#include "src/sweep_kernels.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using kinetics::accumulateProducts;
using kinetics::replaceAndCompare;

// Lengths around every vector width (2, 4 and 8 doubles) and their tails.
constexpr int kLengths[] = {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 1001};

std::vector<double> ramp(int n, double start, double step) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = start + step * i + 1.0 / (3.0 + i);
  return v;
}

TEST(SweepKernels, AccumulateProductsAddsEveryElementExactlyAsThePlainLoop) {
  for (int n : kLengths) {
    const std::vector<double> column = ramp(n, 0.7, 0.013);
    const std::vector<double> f = ramp(n, 1e-5, 3e-7);
    std::vector<double> dst = ramp(n, 2.0, -0.001);
    std::vector<double> expected = dst;
    const double weight = 0.30000000000000004;
    for (int j = 0; j < n; ++j) {
      volatile double product = weight * column[j];
      volatile double term = product * f[j];
      expected[j] = expected[j] + term;
    }
    accumulateProducts(dst.data(), column.data(), f.data(), weight, n);
    for (int j = 0; j < n; ++j)
      ASSERT_EQ(std::bit_cast<unsigned long long>(dst[j]),
                std::bit_cast<unsigned long long>(expected[j]))
          << "length " << n << ", element " << j;
  }
}

TEST(SweepKernels, AccumulateProductsLeavesElementsPastTheCountAlone) {
  std::vector<double> dst(12, 1.0);
  const std::vector<double> ones(12, 1.0);
  accumulateProducts(dst.data(), ones.data(), ones.data(), 2.0, 9);
  for (int j = 0; j < 9; ++j) EXPECT_EQ(dst[j], 3.0);
  for (int j = 9; j < 12; ++j) EXPECT_EQ(dst[j], 1.0);
}

TEST(SweepKernels, ReplaceAndCompareDividesAndTestsEveryPoint) {
  for (int n : kLengths) {
    const std::vector<double> x = ramp(n, 3.0, 0.5);
    std::vector<double> f(n);
    const double norm = 3.0;
    for (int i = 0; i < n; ++i) f[i] = x[i] / norm;
    bool negative = true;
    // Unchanged values pass; the new values are x / norm to the bit.
    EXPECT_TRUE(replaceAndCompare(f.data(), x.data(), norm, 0.0, n, negative)) << n;
    EXPECT_FALSE(negative);
    // One point changed by a relative 1e-3 fails a threshold of 1e-4, passes 1e-2,
    // wherever it lies in the vector.
    for (int at : {0, n / 2, n - 1}) {
      std::vector<double> old(n);
      for (int i = 0; i < n; ++i) old[i] = x[i] / norm;
      old[at] *= 1.001;
      std::vector<double> g = old;
      EXPECT_FALSE(replaceAndCompare(g.data(), x.data(), norm, 1e-4, n, negative))
          << "length " << n << ", point " << at;
      for (int i = 0; i < n; ++i) ASSERT_EQ(g[i], x[i] / norm);
      g = old;
      EXPECT_TRUE(replaceAndCompare(g.data(), x.data(), norm, 1e-2, n, negative));
    }
  }
}

TEST(SweepKernels, ReplaceAndCompareZerosNaNAndNegatives) {
  const int n = 19;
  std::vector<double> x(n, 0.0);
  std::vector<double> f(n, 0.0);
  bool negative = true;
  // 0 against 0 is no change.
  EXPECT_TRUE(replaceAndCompare(f.data(), x.data(), 2.0, 0.0, n, negative));
  EXPECT_FALSE(negative);
  // A NaN never passes.
  x[13] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(replaceAndCompare(f.data(), x.data(), 2.0, 1.0, n, negative));
  EXPECT_TRUE(std::isnan(f[13]));
  // A negative value anywhere is reported.
  x.assign(n, 1.0);
  f.assign(n, 0.5);
  x[17] = -1.0;
  f[17] = -0.5;
  EXPECT_TRUE(replaceAndCompare(f.data(), x.data(), 2.0, 0.0, n, negative));
  EXPECT_TRUE(negative);
}

}  // namespace
