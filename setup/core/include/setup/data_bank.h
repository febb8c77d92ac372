// The data bank: the gas list Gasnames.cnf and per gas <base>.rc (reactions and
// species) and <base>.crs (cross-section tables), all in DataBankDir.
//
// Gasnames.cnf: one gas per line, "<base name> <display name>"; the list ends at
// the end of the file, at a line beginning with a blank, or after 100 gases.
// <base>.rc: line 1 an end card; reaction lines (text = columns 1-53) up to an end
// card; species lines (name = columns 1-8, amount = columns 9-18) up to an end card.
// A section without its closing end card ends at the end of the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "setup/calculation_model.h"

namespace setup {

// Texts of the "Program" menu item.
inline constexpr const char* kReloadQuestion =
    "Reload Program? All choosen parameters will be lost.";

// What "Program" reports after its reload question.
struct DataBankLoad {
  // The warning to show (a box with a single Yes button) when the gas list
  // Gasnames.cnf of the data-bank folder is missing or is no regular file.
  // Nothing is loaded and the model is left as it was then.
  std::optional<std::string> warning;
  // The load's error messages, in order (see loadDataBank).
  std::vector<std::string> errors;
};

// "Program", once a reload is confirmed: the data-bank folder becomes UserBankDir
// when one was chosen, and the data bank is loaded from it (loadDataBank). The
// load runs on a copy of the model, which replaces the model only when the gas
// list was found: a refused "Program" leaves the data-bank folder, the gases and
// every setting as they were.
DataBankLoad programDataBank(CalculationModel& model);

// Loads the gas list and every gas's .rc file into the model and resets the
// parameters to their defaults (field type Direct, Maxwellian box unchecked, all
// gases unchecked, all reactions selected, amounts back at the data-bank defaults,
// summary emptied, first gas selected; output mode and output name stay). A gas
// list that cannot be read gives an empty list.
// Returns the error messages, in order, each for its own error box (OK button):
// "<DataBankDir><base>.rc file is not found" (also for one that is no regular
// file) or "... file read error". A gas whose
// .rc file fails stays in the list with no reactions and no species.
std::vector<std::string> loadDataBank(CalculationModel& model);

// "Change DataBank Directory": the data-bank directory for the chosen gas-list
// file: its folder with a trailing '/'. Store it in UserBankDir.
std::string bankDirOfChosenFile(const std::string& chosenFile);

// The path of `name` in `dir` (which ends with '/'): the exact name when it exists,
// else the one entry whose name matches without regard to case, else the exact name.
// Data banks and run folders come from systems that matched names without case.
std::string findFileNoCase(const std::string& dir, const std::string& name);

}  // namespace setup
