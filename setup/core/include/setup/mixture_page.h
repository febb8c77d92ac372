// Rules of the mixture page: the gas list, the reaction list of the selected gas,
// its concentration grid and the summary grid. The window shows what these
// functions leave in the model and shows the messages they return.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "setup/calculation_model.h"

namespace setup {

inline constexpr const char* kConcentrationNotNumber =
    "This value must be nonnegative float (e format is acceptable)";
inline constexpr const char* kConcentrationNegative = "This value must be >= 0";

// Hidden species: a name beginning with capital "R", or whose first three
// characters are exactly "HEv", "ARv", "NEv", "XEv" or "KRv". Its grid row has
// height 0 and shows "0"; every commit of its row sets its amount to 0.
bool isHiddenSpecies(const std::string& name);

// One row of the concentration grid of a gas, as it is shown.
struct ConcentrationRow {
  std::string name;  // column 0
  std::string text;  // column 1: the amount in the display form, "0" for a hidden species
  bool hidden;       // row height 0
};

// The concentration grid of gas g (empty when g is not a gas of the list).
std::vector<ConcentrationRow> concentrationRows(const CalculationModel& model, int g, char sep);

// A gas item was selected: SelectedGas := g (ignored when g is out of range).
// The window then shows the gas's reactions and concentration rows, and shows the
// reaction list and grid only when GasChecked[g].
void selectGas(CalculationModel& model, int g);

// A gas's check mark changed: selects g, stores the mark; unchecked: removes every
// species name of g from the summary; checked: adds every species whose shown
// text is a non-zero number, with that text. Flags and amounts stay.
void setGasChecked(CalculationModel& model, int g, bool checked, char sep);

// A reaction's check mark changed (k of the selected gas g).
void setReactionSelected(CalculationModel& model, int g, int k, bool selected);

// As-you-type check of a concentration cell: the message to show, or none.
// Empty text: none. The typed text stays; nothing is stored.
std::optional<std::string> checkConcentrationTyping(const std::string& text, char sep);

// Commit of row r of gas g with the cell's current text. Stores the amount
// (hidden species: 0), updates the summary, and returns the text the cell must
// show afterwards (the typed text when it was accepted, the old amount in the
// plain form when it was not). Shows no message. Out-of-range g or r: nothing
// happens and the text comes back unchanged.
std::string commitConcentration(CalculationModel& model, int g, int r, const std::string& text,
                                char sep);

}  // namespace setup
