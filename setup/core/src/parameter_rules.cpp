#include "setup/parameter_rules.h"

#include "setup/numbers.h"

namespace setup {
namespace {

double* mixtureMember(CalculationModel& model, int row) {
  switch (row) {
    case 0: return &model.GasTemperature;
    case 1: return &model.GasPressure;
    case 2: return &model.ElectronConc;
    default: return nullptr;
  }
}

double* programMember(CalculationModel& model, int row) {
  switch (row) {
    case 0: return &model.StartTe;
    case 1: return &model.Accuracy;
    case 2: return &model.GridSize;
    case 3: return &model.MaxIter;
    default: return nullptr;
  }
}

double* variantEntry(CalculationModel& model, int column, int row) {
  if (row < 1 || row > kFieldVariants) return nullptr;
  if (column == 1) return &model.fieldValues()[row - 1];
  if (column == 2) return &model.Er[row - 1];
  return nullptr;
}

std::optional<std::string> onlyIfNotNumber(const std::string& text, char sep,
                                           const char* message) {
  if (text.empty() || parseTypedNumber(text, sep)) return std::nullopt;
  return std::string(message);
}

}  // namespace

std::optional<std::string> checkMixtureTyping(const std::string& text, char sep) {
  return onlyIfNotNumber(text, sep, kMustBeFloat);
}

CommitResult commitMixture(CalculationModel& model, int row, const std::string& text,
                           CommitTrigger trigger, char sep) {
  CommitResult result;
  double* member = mixtureMember(model, row);
  if (member == nullptr) return result;
  std::optional<double> value = parseTypedNumber(text, sep);
  bool accepted = value && (row == 2 ? *value >= 0 : *value > 0);
  if (accepted) {
    *member = *value + 0.0;
    return result;
  }
  result.cellText = plainForm(*member, sep);
  if (value) {
    static const char* const messages[] = {kTemperatureMustBePositive, kPressureMustBePositive,
                                           kElectronConcMustBeNonNegative};
    result.message = messages[row];
    result.messageFirst = trigger == CommitTrigger::Exit;
  }
  return result;
}

std::optional<std::string> typeFieldBox(CalculationModel& model, const std::string& text,
                                        char sep) {
  if (text.empty() || model.FieldMode == kFieldDirect) return std::nullopt;
  std::optional<double> value = parseTypedNumber(text, sep);
  if (!value) return std::string(kMustBeFloat);
  if (model.FieldMode == kFieldHighFrequency) {
    if (*value <= 0) return std::string(kMustBeAboveZero);
    model.Freq = *value;
  } else {
    if (*value < 0) return std::string(kMustBeNonNegative);
    model.Magn = *value + 0.0;
  }
  return std::nullopt;
}

std::optional<std::string> commitFieldBox(CalculationModel& model, const std::string& text,
                                          char sep) {
  if (model.FieldMode == kFieldDirect) return std::nullopt;
  std::optional<double> value = parseTypedNumber(text, sep);
  if (model.FieldMode == kFieldHighFrequency) {
    if (value && *value > 0) {
      model.Freq = *value;
      return std::nullopt;
    }
    return plainForm(model.Freq, sep);
  }
  if (value && *value >= 0) {
    model.Magn = *value + 0.0;
    return std::nullopt;
  }
  return plainForm(model.Magn, sep);
}

std::string fieldBoxHeading(int fieldMode) {
  if (fieldMode == kFieldHighFrequency) return " f, MHz";
  if (fieldMode == kFieldMagnetic) return " H, kGs";
  return "";
}

std::string fieldBoxText(const CalculationModel& model, char sep) {
  if (model.FieldMode == kFieldHighFrequency) return plainForm(model.Freq, sep);
  if (model.FieldMode == kFieldMagnetic) return plainForm(model.Magn, sep);
  return "";
}

std::optional<std::string> checkVariantTyping(const std::string& text, char sep) {
  return nonNegativeTypingError(text, sep, kMustBeFloat, kMustBeAboveZero);
}

CommitResult commitVariant(CalculationModel& model, int column, int row, const std::string& text,
                           char sep) {
  CommitResult result;
  double* entry = variantEntry(model, column, row);
  if (entry == nullptr) return result;
  std::optional<double> value = parseTypedNumber(text, sep);
  if (value && *value >= 0) {
    *entry = *value + 0.0;
  } else {
    result.cellText = plainForm(*entry, sep);
  }
  return result;
}

std::string variantValueHeading(int fieldMode) {
  return fieldMode == kFieldHighFrequency ? "Eo,  V/cm" : "E/N,  Td";
}

std::string variantCellText(const CalculationModel& model, int column, int row, char sep) {
  double* entry = variantEntry(const_cast<CalculationModel&>(model), column, row);
  return entry == nullptr ? "" : plainForm(*entry, sep);
}

void setFieldMode(CalculationModel& model, int fieldMode) {
  if (fieldMode >= kFieldDirect && fieldMode <= kFieldMagnetic) model.FieldMode = fieldMode;
}

std::optional<std::string> checkProgramTyping(const std::string& text, char sep) {
  return onlyIfNotNumber(text, sep, kMustBePositiveFloat);
}

CommitResult commitProgram(CalculationModel& model, int row, const std::string& text,
                           CommitTrigger trigger, char sep) {
  CommitResult result;
  double* member = programMember(model, row);
  if (member == nullptr) return result;
  std::optional<double> value = parseTypedNumber(text, sep);
  double candidate = *member;
  if (value && *value > 0) {
    candidate = *value;
  } else {
    result.cellText = plainForm(*member, sep);
    if (value && trigger != CommitTrigger::Exit) result.message = kMustBeAboveZero;
  }
  // The stored values always keep these limits, so only a newly accepted value trips them.
  if (row == 1 && candidate > 0.001) {
    candidate = 0.001;
    result = {plainForm(candidate, sep), std::string(kAccuracyLimit), true};
  } else if (row == 2 && (candidate < 100 || candidate > 20000)) {
    candidate = 2000;
    result = {plainForm(candidate, sep), std::string(kGridSizeLimit), true};
  }
  *member = candidate;
  return result;
}

std::string mixtureCellText(const CalculationModel& model, int row, char sep) {
  double* member = mixtureMember(const_cast<CalculationModel&>(model), row);
  return member == nullptr ? "" : plainForm(*member, sep);
}

std::string programCellText(const CalculationModel& model, int row, char sep) {
  double* member = programMember(const_cast<CalculationModel&>(model), row);
  return member == nullptr ? "" : plainForm(*member, sep);
}

}  // namespace setup
