#include "setup/summary_page.h"

#include "setup/numbers.h"
#include "setup/output_naming.h"
#include "setup/parameter_rules.h"

namespace setup {

bool isCountingVariant(const CalculationModel& model, int i) {
  return model.fieldValues()[i] != 0.0 && model.Er[i] != 0.0;
}

int countingVariants(const CalculationModel& model) {
  int count = 0;
  for (int i = 0; i < kFieldVariants; ++i) {
    if (isCountingVariant(model, i)) ++count;
  }
  return count;
}

SummaryPage buildSummaryPage(CalculationModel& model, char sep) {
  SummaryPage page;
  page.mixture = model.Summary.rows();
  page.gasState = {plainForm(model.GasTemperature, sep), plainForm(model.GasPressure, sep),
                   exponentForm3(model.ElectronConc, sep)};
  page.variantHeading = variantValueHeading(model.FieldMode);
  for (int i = 0; i < kFieldVariants; ++i) {
    if (isCountingVariant(model, i)) {
      page.variants.push_back({std::to_string(page.variants.size() + 1),
                               plainForm(model.fieldValues()[i], sep), plainForm(model.Er[i], sep)});
    }
  }
  for (int row = 0; row < 4; ++row) page.programValues[row] = programCellText(model, row, sep);
  switch (model.FieldMode) {
    case kFieldHighFrequency:
      page.fieldTypeLabel = "High frequency";
      page.fieldValueLabel = " f = " + plainForm(model.Freq, sep) + "  MHz";
      break;
    case kFieldMagnetic:
      page.fieldTypeLabel = "Direct + _I_ Magnetic";
      page.fieldValueLabel = " H = " + plainForm(model.Magn, sep) + "  kGs";
      break;
    default:
      page.fieldTypeLabel = "Direct";
      break;
  }
  page.outputModeLabel = model.OutputMode != 0 ? "Full" : "Brief";
  fixOutName(model);
  page.outputFilesLabel = model.OutName + ".lst,  " + model.OutName + ".gdt";
  page.outputDir = model.OutputDir;
  return page;
}

}  // namespace setup
