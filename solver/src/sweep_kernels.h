// Inner loops of a sweep, each element computed with exactly the operations of
// the plain loop (no reassociation), so the vector forms give the same bits.
#pragma once

namespace kinetics {

// dst[j] += (weight * column[j]) * f[j], j = 0..count-1.
void accumulateProducts(double* dst, const double* column, const double* f, double weight,
                        int count);

// f[i] := x[i] / norm for i = 0..count-1. Returns whether every point passed the
// change test: r = |new - old| / max(|new|, |old|) <= threshold (0 when both are
// 0; NaN fails). `negative` is set when some new value is below 0.
bool replaceAndCompare(double* f, const double* x, double norm, double threshold, int count,
                       bool& negative);

}  // namespace kinetics
