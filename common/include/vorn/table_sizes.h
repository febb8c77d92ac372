// Sizes of the solver's fixed tables. The solver holds its run data in tables of
// these sizes, and the set-up program refuses a calculation that would not fit
// them, so the numbers live here once. Header only.
#pragma once

namespace vorn::table_sizes {

inline constexpr int kMaxSpecies = 250;    // distinct species names, the electron included
inline constexpr int kMaxProcesses = 206;  // reaction cards of the deck that are kept

}  // namespace vorn::table_sizes
