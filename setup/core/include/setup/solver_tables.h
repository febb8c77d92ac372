// What a calculation asks of the solver's fixed tables (sizes in vorn/table_sizes.h):
// the reaction cards it keeps and the distinct species names it holds. A deck
// beyond them makes the solver stop or silently drop reactions, so "Execute"
// refuses it beforehand. The counting follows how the solver fills its table:
// the species cards (the electron's own names excepted), then the electron, then
// every name a reaction text enters, from the deck's reaction cards and from the
// header of every process block on the cross-section tape.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/calculation_model.h"
#include "setup/solver_input_writer.h"

namespace setup {

struct SolverTableCounts {
  int reactions = 0;     // reaction cards of the deck
  int speciesNames = 0;  // distinct 8-character names, the electron included
};

// The names a reaction text enters into the species table, in order, each padded
// to 8 characters: the first 54 characters are read; blanks are skipped; "^" ends
// the left side; "+" separates species unless the next non-blank character is "+"
// or ")"; a name keeps its first 8 characters; "E" and "E-" are the electron
// "E(-)"; the photon "HNU" and species beyond the fifth of a side enter nothing;
// an empty species or a second "^" ends the text.
std::vector<std::string> reactionTextNames(std::string_view text);

// Counts the deck (React.tmp: update group, reaction group, species group) and the
// tape (Cross.tmp) as the solver reads them.
SolverTableCounts countSolverTables(std::istream& deck, std::istream& tape);

// The same for rendered input files, or for those the model's calculation writes.
SolverTableCounts countSolverTables(const SolverInputs& inputs);
SolverTableCounts countSolverTables(const CalculationModel& model);

// The refusal to show when the counts exceed the solver's tables, or none.
std::optional<std::string> solverTableLimitError(const SolverTableCounts& counts);

}  // namespace setup
