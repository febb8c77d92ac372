#include "setup/calculation_model.h"

namespace setup {

CalculationModel CalculationModel::atStartUp(const std::string& progDir) {
  CalculationModel model;
  model.ProgDir = progDir;
  while (model.ProgDir.size() > 1 && model.ProgDir.back() == '/') model.ProgDir.pop_back();
  model.DataBankDir = model.ProgDir + "/Gasfiles/";
  model.OutputDir = model.ProgDir;
  return model;
}

void CalculationModel::resetParametersToDefaults() {
  Freq = 1000.0;
  Magn = 0.0;
  EN.fill(0.0);
  Er.fill(0.0);
  Eo.fill(0.0);
  EN[0] = 10.0;
  Er[0] = 10.0;
  Eo[0] = 10.0;
  FieldMode = kFieldDirect;
  GasTemperature = 273.0;
  GasPressure = 760.0;
  ElectronConc = 0.0;
  StartTe = 10000.0;
  Accuracy = 0.001;
  GridSize = 2000.0;
  MaxIter = 500.0;
}

const std::array<double, kFieldVariants>& CalculationModel::fieldValues() const {
  return FieldMode == kFieldHighFrequency ? Eo : EN;
}

std::array<double, kFieldVariants>& CalculationModel::fieldValues() {
  return FieldMode == kFieldHighFrequency ? Eo : EN;
}

}  // namespace setup
