// The calculation model of the set-up program: everything a calculation is made
// of lives in one CalculationModel, owned by the main window. The window binds its
// controls to these members; the core's rule functions read and write them.
//
// Member names follow the window's own model (ProgDir, EN, MaxIter, ...); the few
// members that the window keeps in its controls elsewhere (check marks, field type,
// output mode, Maxwellian switch, output folder, combo items) are held here too, so
// that every rule can be run and tested without a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "setup/summary_list.h"

namespace setup {

inline constexpr int kMaxGases = 100;
inline constexpr int kFieldVariants = 21;

// Field mode: item index of the field-type group.
inline constexpr int kFieldDirect = 0;         // E/N in Td
inline constexpr int kFieldHighFrequency = 1;  // Eo in V/cm with f in MHz
inline constexpr int kFieldMagnetic = 2;       // E/N with a crossed magnetic field H in kGs

struct CalculationModel {
  // Directories. Paths use '/'.
  std::string ProgDir;      // start-up directory, no trailing '/'
  std::string DataBankDir;  // data-bank directory, always with a trailing '/'
  std::string UserBankDir;  // chosen with "Change DataBank Directory" (trailing '/'), or empty
  std::string GasListPath;  // DataBankDir + "Gasnames.cnf" as opened by the last load

  // Output files: folder, base name and the output-name combo box.
  std::string OutputDir;                       // folder of the .gdt and .lst files (ProgDir at start)
  std::string OutName = "Tmp";                 // base name, no folder, no extension
  std::int32_t OutNameIndex = 0;               // index of OutName in OutNameItems; -2 = text was edited
  std::vector<std::string> OutNameItems{"Tmp"};  // the combo box items
  std::string OutNameText = "Tmp";             // the combo box's edit text
  // OutName was typed and differs from item OutNameIndex only in case: it stays as
  // typed (the output file systems here tell the two names apart).
  bool OutNameTyped = false;

  // Per-gas data bank, index = position in the gas list (0..99). For gas g the
  // four vectors have exactly ReactionCount[g] or SpeciesCount[g] entries.
  std::int32_t GasCount = 0;
  std::array<std::string, kMaxGases> GasFileNames{};     // base name of <name>.rc / <name>.crs
  std::array<std::string, kMaxGases> GasDisplayNames{};  // item texts of the gas check list
  std::array<bool, kMaxGases> GasChecked{};              // check marks of the gas check list
  std::array<std::int32_t, kMaxGases> ReactionCount{};
  std::array<std::int32_t, kMaxGases> SpeciesCount{};
  std::array<std::vector<std::string>, kMaxGases> ReactionTexts{};  // columns 1-53 of each line
  std::array<std::vector<std::uint8_t>, kMaxGases> ReactionSelected{};  // 1 = selected
  std::array<std::vector<std::string>, kMaxGases> SpeciesNames{};   // 8 characters, blanks kept
  std::array<std::vector<double>, kMaxGases> SpeciesAmounts{};      // relative concentrations

  // Selected item of the gas check list; -1 when the list is empty.
  int SelectedGas = -1;

  // The summary grid of the mixture page (species with a non-zero amount).
  SummaryList Summary;

  // Parameters. Units: f MHz, H kGs, E/N Td, Eo V/cm, Er eV, T K, p Torr, ne cm-3.
  double Freq = 0;
  double Magn = 0;
  std::array<double, kFieldVariants> EN{};
  std::array<double, kFieldVariants> Er{};
  std::array<double, kFieldVariants> Eo{};
  double GasTemperature = 0;
  double GasPressure = 0;
  double ElectronConc = 0;
  double StartTe = 0;
  double Accuracy = 0;
  double GridSize = 0;  // held as a double, truncated when written
  double MaxIter = 0;   // held as a double, truncated (and saturated) when written

  int FieldMode = kFieldDirect;  // item index of the field-type group
  int OutputMode = 0;            // 0 brief, 1 full
  bool Maxwellian = false;       // "Maxwellian Vorn Calculations" box

  bool DataBankLoaded = false;

  // The model as the main window's constructor leaves it: ProgDir = progDir
  // (a trailing '/' is removed), DataBankDir = ProgDir + "/Gasfiles/",
  // OutputDir = ProgDir, output name "Tmp", every parameter 0, no gases.
  static CalculationModel atStartUp(const std::string& progDir);

  // The parameter defaults every data-bank load sets: Freq 1000, Magn 0, EN/Er/Eo
  // entry 0 = 10 and the rest 0, 273 K, 760 Torr, ne 0, Te 10000 K, accuracy 0.001,
  // grid 2000, 500 iterations, field type Direct. Output mode and name stay.
  void resetParametersToDefaults();

  // Field values of the current field type: Eo in mode 1, EN otherwise.
  const std::array<double, kFieldVariants>& fieldValues() const;
  std::array<double, kFieldVariants>& fieldValues();
};

}  // namespace setup
