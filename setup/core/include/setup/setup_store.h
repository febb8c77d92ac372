// The setup store: a whole calculation set-up in the SQLite database file
// mixdb1.mdb in the start-up directory, in six tables named after the controls
// they save ("CheckListBox1", "CheckListBox2", "StringGrid1", "StringGrid5",
// "Parameters1", "Parameters2"). Each table has an `ord` key giving record order.
#pragma once

#include <stdexcept>
#include <string>

#include "setup/calculation_model.h"

namespace setup {

inline constexpr const char* kStoreFileName = "mixdb1.mdb";

// A database failure; what() says what failed. Save leaves the previous set-up whole.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SetupStore {
 public:
  // `databasePath`: usually ProgDir + "/mixdb1.mdb". The file and its tables are
  // created when missing.
  explicit SetupStore(std::string databasePath);

  // Writes the whole set-up in one transaction: every gas of the list (checked or
  // not), its reactions (State = selected and gas checked) and species, the 21
  // variants, the parameters, field type, Maxwellian box, output mode, output name
  // and output directory. Surplus records of an earlier save are removed.
  void save(const CalculationModel& model);

  // Replaces the set-up in the model by the stored one: gas list, checks, counts
  // (clamped to 0..100), texts, selections, amounts, variants, parameters,
  // choices, output name (OutNameIndex -2) and folder; selects the first gas and
  // rebuilds the summary (every checked gas's non-zero amounts, display form, one
  // row each). Missing records read as empty or 0. Does not touch the data bank
  // directories or DataBankLoaded.
  void load(CalculationModel& model, char sep);

 private:
  std::string m_path;
};

}  // namespace setup
