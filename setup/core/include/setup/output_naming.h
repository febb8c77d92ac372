// The output folder and base name, and the output-name combo box (its items, its
// edit text and OutNameIndex, -2 while the text is edited by hand).
#pragma once

#include <string>

#include "setup/calculation_model.h"

namespace setup {

// The solver reads at most this many bytes of each output file name (a letter
// such as "ü" takes two of them in UTF-8).
inline constexpr std::size_t kMaxOutputPathLength = 200;

// The user typed into the combo box: OutNameText := text, OutNameIndex := -2.
// (Setting the text from code must not call this.)
void editOutNameText(CalculationModel& model, const std::string& text);

// The user picked combo item i from its list: the text becomes that item's, and
// the name is taken when the summary page is shown next (like an edit).
void pickOutNameItem(CalculationModel& model, int i);

// A file was chosen in the save dialog ("Set  Directory/FileName"): a trailing
// ".gdt", ".lst", ".GDT" or ".LST" is dropped; the combo text shows the result
// (full path); OutputDir := the folder of the chosen file; the base name is its
// last path component and is looked up in the items without regard to case
// (appended when missing), OutNameIndex := its index.
void chooseOutputFile(CalculationModel& model, const std::string& chosenPath);

// Fixes OutName as the summary page does: index -2 takes the combo text (and its
// item, found without regard to case, else appended); otherwise the item at
// OutNameIndex becomes the text and OutName, except that a typed name differing
// from its item only in case stays as typed. An empty typed name stays empty and
// adds no item.
void fixOutName(CalculationModel& model);

// OutputDir + "/" + OutName: the base path of the two output files.
std::string outputBasePath(const CalculationModel& model);

}  // namespace setup
