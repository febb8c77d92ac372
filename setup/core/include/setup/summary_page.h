// The contents of the "Summary / Execute" page, built afresh from the committed
// model each time the page is shown. Building it also fixes the output base name.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "setup/calculation_model.h"

namespace setup {

struct VariantRow {
  std::string number;      // 1, 2, ... in list order, without gaps
  std::string fieldValue;  // E/N or Eo, plain form
  std::string energyRange; // plain form
};

struct SummaryPage {
  std::vector<SummaryRow> mixture;          // copy of the summary grid
  std::array<std::string, 3> gasState;      // temperature, pressure (plain), ne ("1.00E+08")
  std::string variantHeading;               // "Eo,  V/cm" (type 1) or "E/N,  Td"
  std::vector<VariantRow> variants;         // only variants whose value and range are both non-zero
  std::array<std::string, 4> programValues; // StartTe, Accuracy, GridSize, MaxIter (plain)
  std::string fieldTypeLabel;               // "Direct", "High frequency", "Direct + _I_ Magnetic"
  std::string fieldValueLabel;              // "", " f = 1000  MHz", " H = 0  kGs"
  std::string outputModeLabel;              // "Brief" or "Full"
  std::string outputFilesLabel;             // "Tmp.lst,  Tmp.gdt"
  std::string outputDir;                    // the one line of the directory memo
};

// Fixes the output name (fixOutName), then builds the page.
SummaryPage buildSummaryPage(CalculationModel& model, char sep);

// Field variant i (row i + 1 of the variant grid) counts when both the field value
// of the current type and the energy range differ from 0.
bool isCountingVariant(const CalculationModel& model, int i);

// The number of field variants that count.
int countingVariants(const CalculationModel& model);

}  // namespace setup
