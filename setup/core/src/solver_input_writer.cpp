#include "setup/solver_input_writer.h"

#include <sys/stat.h>

#include <climits>
#include <cmath>
#include <fstream>
#include <sstream>

#include "setup/bank_file.h"
#include "setup/card_text.h"
#include "setup/data_bank.h"
#include "setup/numbers.h"
#include "setup/output_naming.h"
#include "setup/summary_page.h"

namespace setup {
namespace {

constexpr const char* kLineEnd = "\r\n";

bool isCheckedGas(const CalculationModel& model, int g) {
  return g < model.GasCount && model.GasChecked[g];
}

void writeCard(std::ostream& out, const std::string& card) { out << card << kLineEnd; }

// Copies card images up to the next end card (not copied) or the end of the file.
void copySection(std::istream& in, std::ostream& out) {
  std::string line;
  while (out && readLine(in, line) && !isEndCard(line)) writeCard(out, toCard(line));
}

std::string integerLine(long long value) { return std::to_string(value); }

// Truncated toward zero and kept inside the 32-bit range the solver reads.
long long truncatedInt32(double value) {
  if (std::isnan(value)) return 0;
  double t = std::trunc(value);
  if (t > INT_MAX) return INT_MAX;
  if (t < INT_MIN) return INT_MIN;
  return static_cast<long long>(t);
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// Writes one input file; the error message naming it, or an empty text.
std::string writeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return "Cannot create the file " + path;
  out << content;
  out.close();
  if (!out) return "Cannot write the file " + path;
  return {};
}

using FieldList = std::array<double, kFieldVariants>;

// The field lists as the solver is to run them: the variants that count (those the
// summary page lists) first, in row order, then the other rows of the list in use
// as zeros; the list not in use as it stands. The solver moves entries on their
// energy range alone and then runs the leading entries that have a field value,
// so a row (0, 5) left in place would end its list there, and a row (20, 0) would
// take over the field value of a later row.
struct FieldLists {
  FieldList EN, Eo, Er;
};

FieldLists fieldListsToRun(const CalculationModel& model) {
  FieldLists lists{model.EN, model.Eo, {}};
  FieldList& inUse = model.FieldMode == kFieldHighFrequency ? lists.Eo : lists.EN;
  inUse.fill(0.0);
  int next = 0;
  for (int i = 0; i < kFieldVariants; ++i) {
    if (!isCountingVariant(model, i)) continue;
    inUse[next] = model.fieldValues()[i];
    lists.Er[next] = model.Er[i];
    ++next;
  }
  return lists;
}

template <typename Writer>
std::string rendered(Writer writer) {
  std::ostringstream out;
  writer(out);
  return std::move(out).str();
}

}  // namespace

bool writeCrossSectionTape(const CalculationModel& model, std::ostream& out) {
  for (int g = 0; g < model.GasCount; ++g) {
    if (!isCheckedGas(model, g)) continue;
    std::optional<std::string> crs =
        readBankFile(findFileNoCase(model.DataBankDir, model.GasFileNames[g] + ".crs"));
    if (!crs) continue;
    std::istringstream section(std::move(*crs));
    copySection(section, out);
  }
  writeCard(out, endCard());
  return static_cast<bool>(out);
}

bool writeInputDeck(const CalculationModel& model, std::ostream& out) {
  writeCard(out, endCard());
  for (int g = 0; g < model.GasCount; ++g) {
    if (!isCheckedGas(model, g)) continue;
    for (int k = 0; k < model.ReactionCount[g]; ++k) {
      if (model.ReactionSelected[g][k]) writeCard(out, reactionCard(model.ReactionTexts[g][k]));
    }
  }
  writeCard(out, endCard());
  for (int g = 0; g < model.GasCount && out; ++g) {
    if (!isCheckedGas(model, g)) continue;
    std::optional<std::string> content =
        readBankFile(findFileNoCase(model.DataBankDir, model.GasFileNames[g] + ".rc"));
    if (!content) continue;
    std::istringstream rc(std::move(*content));
    std::string line;
    if (!readLine(rc, line) || !isEndCard(line)) continue;
    while (readLine(rc, line) && !isEndCard(line)) {
    }
    const std::vector<double>& amounts = model.SpeciesAmounts[g];
    for (std::size_t i = 0; out && readLine(rc, line) && !isEndCard(line); ++i) {
      std::string card = toCard(line);
      // A species line beyond the loaded amounts (file changed since) keeps its own.
      if (i < amounts.size()) card.replace(8, 10, cardAmount(amounts[i]));
      writeCard(out, card);
    }
  }
  writeCard(out, endCard());
  return static_cast<bool>(out);
}

bool writeParameterFile(const CalculationModel& model, std::ostream& out) {
  auto real = [&](double value) { out << parameterReal(value) << kLineEnd; };
  out << "ZOLBEX PARAMETER FILE" << kLineEnd;
  out << integerLine(model.FieldMode) << kLineEnd;
  real(model.Freq);
  real(model.Magn);
  const FieldLists lists = fieldListsToRun(model);
  for (double value : lists.EN) real(value);
  for (double value : lists.Eo) real(value);
  real(model.GasPressure);
  real(model.GasTemperature);
  real(model.ElectronConc);
  for (double value : lists.Er) real(value);
  real(model.StartTe);
  real(model.Accuracy);
  out << integerLine(truncatedInt32(model.GridSize)) << kLineEnd;
  out << "0" << kLineEnd;
  out << "0.001" << kLineEnd;
  out << integerLine(model.Maxwellian ? -1 : truncatedInt32(model.MaxIter)) << kLineEnd;
  const std::string base = outputBasePath(model);
  out << base << ".gdt" << kLineEnd;
  out << base << ".lst" << kLineEnd;
  out << integerLine(model.OutputMode) << kLineEnd;
  return static_cast<bool>(out);
}

std::string overwriteQuestion(const std::string& basePath) {
  return "Output Files " + basePath + ".* are already exist.  Overwrite?";
}

SolverInputs renderSolverInputs(const CalculationModel& model) {
  return {rendered([&](std::ostream& out) { writeCrossSectionTape(model, out); }),
          rendered([&](std::ostream& out) { writeInputDeck(model, out); }),
          rendered([&](std::ostream& out) { writeParameterFile(model, out); })};
}

WriteResult writeSolverInputs(const CalculationModel& model, const OverwriteQuestion& ask) {
  return writeSolverInputs(model, renderSolverInputs(model), ask);
}

WriteResult writeSolverInputs(const CalculationModel& model, const SolverInputs& inputs,
                              const OverwriteQuestion& ask) {
  WriteResult result;
  const std::string dir = model.ProgDir + "/";
  result.error = writeFile(dir + "Cross.tmp", inputs.tape);
  if (result.error.empty()) result.error = writeFile(dir + "React.tmp", inputs.deck);
  if (result.error.empty()) result.error = writeFile(dir + "Param.tmp", inputs.parameters);
  if (!result.error.empty()) return result;

  const std::string base = outputBasePath(model);
  if (fileExists(base + ".gdt") || fileExists(base + ".lst")) {
    result.startSolver = ask(overwriteQuestion(base));
  } else {
    result.startSolver = true;
  }
  return result;
}

}  // namespace setup
