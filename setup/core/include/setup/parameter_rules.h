// Entry rules of the parameter grids: the mixture grid (temperature, pressure,
// electron concentration), the f-or-H box, the field-variant grid and the
// program-parameter grid, with their limits and messages. Pure functions of the
// model: the window passes the cell text and shows what comes back.
#pragma once

#include <optional>
#include <string>

#include "setup/calculation_model.h"

namespace setup {

// Messages (error boxes with an OK button), word for word.
inline constexpr const char* kMustBeFloat = "This value must be float";
inline constexpr const char* kMustBePositiveFloat = "This value must be positive float";
inline constexpr const char* kMustBeAboveZero = "This value must be > 0";
inline constexpr const char* kMustBeNonNegative = "This value must be >= 0";
inline constexpr const char* kAccuracyLimit = "This value must be <= 0.001";
inline constexpr const char* kGridSizeLimit = "This value must be >= 100 and <= 20000";
inline constexpr const char* kTemperatureMustBePositive = "Gas Temperature value must be positive";
inline constexpr const char* kPressureMustBePositive = "Gas Pressure value must be positive";
inline constexpr const char* kElectronConcMustBeNonNegative =
    "Electron Concentration value must be non-negative";

// What started a commit: a mouse button pressed in the grid, Enter/Up/Down (or,
// in the variant grid, another key while no editor is open), or the grid losing
// the focus. It decides whether a message comes before or after the put-back.
enum class CommitTrigger { Mouse, Key, Exit };

// The outcome of committing one cell. The model already holds the new value.
struct CommitResult {
  // Text the cell must show afterwards; none = keep the typed text.
  std::optional<std::string> cellText;
  // Error box to show, or none.
  std::optional<std::string> message;
  // True: show the message, then set cellText. False: set cellText, then the message.
  bool messageFirst = false;
};

// Mixture grid: row 0 GasTemperature (> 0), 1 GasPressure (> 0), 2 ElectronConc (>= 0).
std::optional<std::string> checkMixtureTyping(const std::string& text, char sep);
CommitResult commitMixture(CalculationModel& model, int row, const std::string& text,
                           CommitTrigger trigger, char sep);

// The f-or-H box (field types 1 and 2; hidden in type 0). Typing stores: a number
// above 0 becomes Freq (type 1), one of 0 or above becomes Magn (type 2).
std::optional<std::string> typeFieldBox(CalculationModel& model, const std::string& text,
                                        char sep);
// Leaving the box: returns the text to put back (the stored value, plain form)
// when the text is not acceptable; no message. Type 0: nothing.
std::optional<std::string> commitFieldBox(CalculationModel& model, const std::string& text,
                                          char sep);
// Heading cell of the box: " f, MHz" (type 1), " H, kGs" (type 2), empty (type 0);
// and its value: Freq or Magn in the plain form.
std::string fieldBoxHeading(int fieldMode);
std::string fieldBoxText(const CalculationModel& model, char sep);

// Field-variant grid: rows 1-21, column 1 the field value (Eo in type 1, E/N
// otherwise), column 2 the energy range. Values of 0 or above are accepted.
std::optional<std::string> checkVariantTyping(const std::string& text, char sep);
CommitResult commitVariant(CalculationModel& model, int column, int row, const std::string& text,
                           char sep);
// Heading of column 1: "Eo,  V/cm" in type 1, "E/N,  Td" otherwise; column 2
// "Energy range, eV".
std::string variantValueHeading(int fieldMode);
inline constexpr const char* kEnergyRangeHeading = "Energy range, eV";
// Cell text of column 1 or 2, row 1-21, from the model (plain form).
std::string variantCellText(const CalculationModel& model, int column, int row, char sep);

// Field type changed: stores it. The window then rewrites the box and the variant
// grid from the model (fieldBoxHeading/fieldBoxText, variantValueHeading/variantCellText).
void setFieldMode(CalculationModel& model, int fieldMode);

// Program-parameter grid: row 0 StartTe, 1 Accuracy, 2 GridSize, 3 MaxIter, all
// > 0; an accuracy above 0.001 becomes 0.001, a grid size below 100 or above
// 20000 becomes 2000, each with its message.
std::optional<std::string> checkProgramTyping(const std::string& text, char sep);
CommitResult commitProgram(CalculationModel& model, int row, const std::string& text,
                           CommitTrigger trigger, char sep);

// Cell texts of the mixture and program grids from the model (plain form), as a
// data-bank load or a stored set-up shows them.
std::string mixtureCellText(const CalculationModel& model, int row, char sep);
std::string programCellText(const CalculationModel& model, int row, char sep);

}  // namespace setup
