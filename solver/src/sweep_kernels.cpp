#include "src/sweep_kernels.h"

#include <cmath>

// Loops here are short and hot: vectorise them whenever the cost model finds it
// pays, not only when it is free (clang vectorises them as they are).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("vect-cost-model=dynamic")
#endif

// On x86-64 each loop is also built for AVX2 and AVX-512 and the widest copy the
// processor runs is chosen once at load time. The copies stay private to this file
// behind plain functions: a caller elsewhere then always reaches the dispatcher,
// with either compiler, whatever the declarations in other files say.
// Element-wise IEEE products and quotients give the same bits on every path.
#if defined(__x86_64__) && !defined(KINETICS_NO_CLONES)
#define KINETICS_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define KINETICS_VECTOR_CLONES
#endif

namespace kinetics {
namespace {

KINETICS_VECTOR_CLONES
void accumulateProductsLoop(double* __restrict dst, const double* __restrict column,
                            const double* __restrict f, double weight, int count) {
  for (int j = 0; j < count; ++j) dst[j] += (weight * column[j]) * f[j];
}

KINETICS_VECTOR_CLONES
int replaceAndCountFailures(double* __restrict f, const double* __restrict x, double norm,
                            double threshold, int count, int* negatives) {
  int failures = 0;
  int below = 0;
  for (int i = 0; i < count; ++i) {
    const double fNew = x[i] / norm;
    const double fOld = f[i];
    const double a = std::fabs(fNew);
    const double b = std::fabs(fOld);
    const double larger = a < b ? b : a;
    const double change = std::fabs(fNew - fOld) / larger;
    // Branch-free, so that the loop vectorises: bitwise, not short-circuit.
    const int bothZero = static_cast<int>(fNew == 0.0) & static_cast<int>(fOld == 0.0);
    failures += (1 - bothZero) & static_cast<int>(!(change <= threshold));
    below += static_cast<int>(fNew < 0.0);
    f[i] = fNew;
  }
  *negatives = below;
  return failures;
}

}  // namespace

void accumulateProducts(double* dst, const double* column, const double* f, double weight,
                        int count) {
  accumulateProductsLoop(dst, column, f, weight, count);
}

bool replaceAndCompare(double* f, const double* x, double norm, double threshold, int count,
                       bool& negative) {
  int negatives = 0;
  const int failures = replaceAndCountFailures(f, x, norm, threshold, count, &negatives);
  negative = negatives > 0;
  return failures == 0;
}

}  // namespace kinetics
