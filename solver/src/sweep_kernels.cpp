#include "src/sweep_kernels.h"

#include <cmath>

// Loops here are short and hot: vectorise them whenever the cost model finds it
// pays, not only when it is free.
#pragma GCC optimize("vect-cost-model=dynamic")

namespace kinetics {

// Built for the widest vectors the processor offers (chosen once at load time);
// element-wise IEEE products and quotients are the same on every path.
#define KINETICS_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))

KINETICS_VECTOR_CLONES
void accumulateProducts(double* __restrict dst, const double* __restrict column,
                        const double* __restrict f, double weight, int count) {
  for (int j = 0; j < count; ++j) dst[j] += (weight * column[j]) * f[j];
}

KINETICS_VECTOR_CLONES
bool replaceAndCompare(double* __restrict f, const double* __restrict x, double norm,
                       double threshold, int count, bool& negative) {
  int failures = 0;
  int negatives = 0;
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
    negatives += static_cast<int>(fNew < 0.0);
    f[i] = fNew;
  }
  negative = negatives > 0;
  return failures == 0;
}

}  // namespace kinetics
